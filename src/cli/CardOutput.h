#pragma once
// A card's pages and pictures made without a window: exported as files, or printed on a queue,
// through the same functions the window prints with, so that they are the window's pixels.
#include "document/CardRender.h"

#include <QString>

// The side of one card a picture shows.
enum class CardFace { Front, Back };

// Saves the pages of `side` as the PDF file `fileName`, as the window saves them when no
// printer is installed: on the layout's paper, the backs placed for the card's sheet turn, and
// for Both the fronts then the backs in one document. Cards the paper cuts are saved as they
// come, as the window saves them once the user says yes. Raises AppError and then writes
// nothing.
void exportPdf(const CardDocument& card, PrintSide side, const QString& fileName,
               PrintQuality quality = PrintQuality::Fine);

// Saves the cards of `side` for a print shop as the PDF file `fileName`: one card a page at its
// real size, with a bleed and crop marks, drawn as they print without a printer. Raises AppError
// and then writes nothing.
void exportPrintShopPdf(const CardDocument& card, PrintSide side, const QString& fileName);

// Saves one card at sheet resolution as the PNG file `fileName`, drawn for the figures of a
// window without a printer: the back as Save Image BitMap saves it, or the front. Raises
// AppError and then writes nothing.
void exportPng(const CardDocument& card, CardFace face, const QString& fileName);

struct QueuePrint {
    QString printer;         // empty: the default queue
    bool cutAllowed = false; // the paper-cut question is answered yes beforehand
    PrintQuality quality = PrintQuality::Fine;
};

// Prints the pages of `side` on a queue with the window's checks; Both prints the two sides in
// one go as Print Both Sides does. Returns what the window would tell the user. Raises
// AppError: no printer, no layout or front picture, a one-sided printer for Both, cut cards
// without `cutAllowed` (the question's own text), or the queue refusing the job.
QString printOnQueue(const CardDocument& card, PrintSide side, const QueuePrint& how);
