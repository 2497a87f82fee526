#pragma once
// A picture of the card (the lower-left corner's or the front's) as the user chose it: the
// file's bytes, which a design keeps, and the image decoded from them. Immutable once made and
// shared between the copies of a document, so that an undo history of many steps holds one
// photo, not one a step.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

struct CardPicture {
    QByteArray bytes; // the file's bytes as read
    QString fileName;
    QImage image;        // upright, reduced to what its use needs; a tall front laid on its side
    QSize size;          // its own size as it lies on the card, for every fitting
    bool turned = false; // a tall front laid on its side: its text runs upward
};

// A shared, immutable picture, or none. Two are equal when they are the same picture or hold
// the same file with the same bytes, so that a design opened again compares equal to the one
// that was saved.
class SharedPicture
{
public:
    SharedPicture() = default;
    explicit SharedPicture(CardPicture picture)
        : picture_(std::make_shared<const CardPicture>(std::move(picture)))
    {
    }

    explicit operator bool() const { return bool(picture_); }
    const CardPicture& operator*() const { return *picture_; }
    const CardPicture* operator->() const { return picture_.get(); }
    const CardPicture* get() const { return picture_.get(); }

    bool operator==(const SharedPicture& other) const
    {
        return picture_ == other.picture_ ||
               (picture_ && other.picture_ && picture_->fileName == other.picture_->fileName &&
                picture_->bytes == other.picture_->bytes);
    }

private:
    std::shared_ptr<const CardPicture> picture_;
};

// A front picture as the front uses it: laid on its side (turned counter-clockwise) when taller
// than wide, so that it fills the card; the card turned clockwise to read its upward text shows
// it upright, never mirrored. The picture goes as soon as its turned copy is made: never both in
// memory at once.
void layTallFrontOnItsSide(CardPicture& picture);
