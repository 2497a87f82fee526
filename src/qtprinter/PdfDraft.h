#pragma once
// A PDF document written as it is made, to a temporary file beside the file it is for, which
// takes that file's name only once the document is whole: a run of many sheets never sits in
// memory, and a failure or Cancel leaves the file of that name as it was and no draft behind.
#include <QBuffer>
#include <QString>
#include <memory>

class QTemporaryFile;

class PdfDraft
{
public:
    // The draft for `target`. Where its folder takes no new file the document is made in memory
    // and written over the file of that name as before (writeWholePdf).
    explicit PdfDraft(QString target);
    ~PdfDraft(); // removes the draft unless finished
    PdfDraft(const PdfDraft&) = delete;
    PdfDraft& operator=(const PdfDraft&) = delete;

    // What the PDF writer writes to.
    QIODevice& device();
    // Checks that the draft holds a whole PDF and puts it in place under the target's name.
    // Raises AppError, its text starting with `nothingDone`; the draft is then removed.
    void finish(const QString& nothingDone);

private:
    class Writer;

    QString target_;
    std::unique_ptr<QTemporaryFile> file_;
    std::unique_ptr<Writer> writer_; // writes to file_, keeping the first failure's reason
    QBuffer memory_;
};
