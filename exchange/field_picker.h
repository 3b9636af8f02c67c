#pragma once

#include <QStringList>
#include <QWidget>

class QListWidget;
class QPushButton;
class QToolButton;

namespace vantorelle {

// The two lists in which the user picks the fields of a file and their order:
// the available fields on the left, the fields of the file on the right.
// "A&dd >>" appends the selected available fields (a field may be added more
// than once), "<< &Remove" takes the selected ones out of the order list,
// "&All >>" puts every available field there in their order, "<< &None"
// empties it; the arrows beside "Move" move the current entry one place up or
// down. A double click adds an available field or removes an ordered one.
class FieldPicker : public QWidget {
    Q_OBJECT
public:
    // `orderCaption` heads the order list ("Field Order In File to Export:").
    explicit FieldPicker(const QString &orderCaption, QWidget *parent = nullptr);

    // Offers `fields` and empties the order list. "&All >>" passes over the
    // first `notInAll` of them: entries that stand for no field, added only
    // one by one.
    void setAvailable(const QStringList &fields, int notInAll = 0);
    QStringList available() const;

    // The order list, in file order.
    QStringList ordered() const;
    // Appends `fields` to the order list.
    void appendOrdered(const QStringList &fields);

private:
    void addSelected();
    void removeSelected();
    void addAll();
    void removeAll();
    void moveCurrent(int step);

    QListWidget *available_;
    QListWidget *order_;
    int notInAll_ = 0;
};

} // namespace vantorelle
