#pragma once
// A captioned group of radio buttons laid out in columns (each column filled top to bottom),
// with an item index the program can set and a change notification that runs whether the user
// or the program changes it.
#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class RadioGroup : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int columns READ columns WRITE setColumns)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)

public:
    explicit RadioGroup(QWidget* parent = nullptr);

    QStringList items() const { return items_; }
    void setItems(const QStringList& items);
    int columns() const { return columns_; }
    void setColumns(int columns);
    // -1 when no item is selected.
    int itemIndex() const { return index_; }
    void setItemIndex(int index);
    // The selected item as the enumeration of the group's items, whose values are their
    // indexes; with no item selected, -1, which is none of its values.
    template <typename Choice> Choice choice() const { return static_cast<Choice>(index_); }
    template <typename Choice> void setChoice(Choice choice) { setItemIndex(int(choice)); }
    QAbstractButton* button(int index) const;

signals:
    // The selected item changed, by a click or by setItemIndex.
    void changed(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void arrange();
    // Tab reaches the group once, at its selected item; the arrow keys move the selection.
    void updateTabStops();

    QButtonGroup group_;
    QStringList items_;
    int columns_ = 1;
    int index_ = -1;
};
