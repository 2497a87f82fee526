#include "StepPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

StepPanel makeStepPanel(QWidget* parent, const QRect& place, const StepPanelNames& names,
                        const std::function<void(QObject* button, int step)>& step)
{
    StepPanel made;
    made.panel = new QWidget(parent);
    made.panel->setObjectName(names.panel);
    made.panel->setGeometry(place);
    made.panel->setAutoFillBackground(true);
    auto* row = new QHBoxLayout(made.panel);
    row->setContentsMargins(2, 0, 2, 0);
    const auto stepButton = [&](const QString& name, Qt::ArrowType arrow, const QString& what,
                                int by) {
        auto* button = new QToolButton(made.panel);
        button->setObjectName(name);
        button->setArrowType(arrow);
        button->setAccessibleName(what);
        button->setToolTip(what);
        button->setFocusPolicy(Qt::StrongFocus);
        QObject::connect(button, &QToolButton::clicked, made.panel,
                         [step, button, by] { step(button, by); });
        row->addWidget(button);
    };
    stepButton(names.previous, Qt::LeftArrow, names.previousText, -1);
    made.label = new QLabel(made.panel);
    made.label->setObjectName(names.label);
    made.label->setAlignment(Qt::AlignCenter);
    row->addWidget(made.label, 1);
    stepButton(names.next, Qt::RightArrow, names.nextText, 1);
    made.panel->hide();
    return made;
}
