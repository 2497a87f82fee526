// The choice of a layout beyond the four of the layout group, and the form of a new layout of
// the user's own.
#include "QtDialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSize>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{

QDoubleSpinBox* millimetres(QWidget* parent, double value, double maximum = 1000)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(0, maximum);
    box->setDecimals(1);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(value);
    return box;
}

// Adds `field` under `label`, which names it for screen readers too.
void addRow(QFormLayout* form, const QString& label, QWidget* field)
{
    auto* text = new QLabel(label, form->parentWidget());
    text->setBuddy(field);
    field->setAccessibleName(QString(label).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    form->addRow(text, field);
}

} // namespace

std::optional<Layout> QtDialogs::chooseLayout(Layout current, std::vector<OwnLayout>& own)
{
    QDialog dialog(parent_);
    dialog.setWindowTitle(QDialog::tr("Other Paper"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* top = new QFormLayout;
    layout->addLayout(top);
    auto* choice = new QComboBox(&dialog);
    std::vector<std::optional<Layout>> items;
    for (const Layout l : OtherLayouts) {
        choice->addItem(layoutName(l));
        items.push_back(l);
    }
    for (const OwnLayout& o : own) {
        choice->addItem(o.name);
        items.push_back(ownLayoutProblem(o).isEmpty() ? std::optional(ownLayout(o)) : std::nullopt);
    }
    choice->addItem(QDialog::tr("New layout of your own"));
    items.emplace_back();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == current)
            choice->setCurrentIndex(int(i));
    addRow(top, QDialog::tr("&Layout:"), choice);

    auto* group = new QGroupBox(QDialog::tr("Your own layout, as your stock has it"), &dialog);
    auto* form = new QFormLayout(group);
    layout->addWidget(group);
    auto* name = new QLineEdit(group);
    addRow(form, QDialog::tr("&Name:"), name);
    auto* cardWidth = millimetres(group, 148, 210);
    auto* cardHeight = millimetres(group, 105, 148);
    addRow(form, QDialog::tr("Card &width:"), cardWidth);
    addRow(form, QDialog::tr("Card &height:"), cardHeight);
    auto* rows = new QSpinBox(group);
    auto* columns = new QSpinBox(group);
    rows->setRange(1, 10);
    columns->setRange(1, 10);
    rows->setValue(2);
    columns->setValue(2);
    addRow(form, QDialog::tr("&Rows:"), rows);
    addRow(form, QDialog::tr("&Columns:"), columns);
    auto* paper = new QComboBox(group);
    const QPageSize::PageSizeId papers[] = {QPageSize::A4, QPageSize::A5, QPageSize::A6,
                                            QPageSize::Letter, QPageSize::Legal};
    for (const QPageSize::PageSizeId id : papers)
        paper->addItem(QPageSize::name(id));
    addRow(form, QDialog::tr("&Paper:"), paper);
    auto* paperWidth = millimetres(group, 210);
    auto* paperHeight = millimetres(group, 297);
    addRow(form, QDialog::tr("Paper w&idth:"), paperWidth);
    addRow(form, QDialog::tr("Paper h&eight:"), paperHeight);
    QObject::connect(paper, &QComboBox::currentIndexChanged, group, [=](int index) {
        const QSizeF size = QPageSize::size(papers[index], QPageSize::Millimeter);
        paperWidth->setValue(size.width());
        paperHeight->setValue(size.height());
    });
    auto* gapAcross = millimetres(group, 0);
    auto* gapDown = millimetres(group, 0);
    auto* marginLeft = millimetres(group, 0.5);
    auto* marginTop = millimetres(group, 0);
    addRow(form, QDialog::tr("Gap &across:"), gapAcross);
    addRow(form, QDialog::tr("Gap &down:"), gapDown);
    addRow(form, QDialog::tr("&Left margin:"), marginLeft);
    addRow(form, QDialog::tr("&Top margin:"), marginTop);
    const auto showGroup = [=, &items] {
        group->setEnabled(!items[std::size_t(choice->currentIndex())]);
    };
    QObject::connect(choice, &QComboBox::currentIndexChanged, group, showGroup);
    showGroup();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    OwnLayout made;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (items[std::size_t(choice->currentIndex())]) {
            dialog.accept();
            return;
        }
        made = OwnLayout{name->text().trimmed(),
                         QSizeF(cardWidth->value(), cardHeight->value()),
                         rows->value(),
                         columns->value(),
                         QSizeF(paperWidth->value(), paperHeight->value()),
                         QSizeF(gapAcross->value(), gapDown->value()),
                         QPointF(marginLeft->value(), marginTop->value())};
        if (const QString problem = ownLayoutProblem(made); !problem.isEmpty()) {
            QMessageBox::warning(&dialog, dialog.windowTitle(), problem);
            return;
        }
        dialog.accept();
    });
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    if (const auto chosen = items[std::size_t(choice->currentIndex())])
        return chosen;
    own.push_back(made);
    return ownLayout(made);
}
