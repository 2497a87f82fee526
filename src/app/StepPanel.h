#pragma once
// A row over a preview for stepping through the cards of a run: a previous button, "N of M"
// and a next button, each reachable by the keyboard and named for a screen reader.
#include <QRect>
#include <QString>
#include <functional>

class QLabel;
class QObject;
class QWidget;

struct StepPanel {
    QWidget* panel = nullptr;
    QLabel* label = nullptr;
};

// The names of the panel's parts (object names) and the buttons' accessible names.
struct StepPanelNames {
    QString panel, label, previous, next;
    QString previousText, nextText;
};

// The panel at `place` on `parent`, hidden; a button's click calls `step` with the button and
// -1 or 1.
StepPanel makeStepPanel(QWidget* parent, const QRect& place, const StepPanelNames& names,
                        const std::function<void(QObject* button, int step)>& step);
