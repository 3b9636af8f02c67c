#include "exchange/field_picker.h"

#include "widgets/accessible_caption.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantorelle {

namespace {

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QToolButton *arrow(
    Qt::ArrowType type, const char *name, const QString &accessibleName, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setArrowType(type);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(accessibleName);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

QListWidget *list(const char *name, QWidget *parent)
{
    auto *l = new QListWidget(parent);
    l->setObjectName(QLatin1String(name));
    l->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return l;
}

QStringList texts(const QListWidget &list)
{
    QStringList all;
    for (int row = 0; row < list.count(); ++row)
        all << list.item(row)->text();
    return all;
}

} // namespace

FieldPicker::FieldPicker(const QString &orderCaption, QWidget *parent)
    : QWidget(parent)
    , available_(list("lstFields(0)", this))
{
    // Controls are made in the order the Tab key goes through them.
    QPushButton *add = button(QStringLiteral("A&dd >>"), "cmdAdd(0)", this);
    QPushButton *remove = button(QStringLiteral("<< &Remove"), "cmdAdd(1)", this);
    QPushButton *all = button(QStringLiteral("&All >>"), "cmdAdd(2)", this);
    QPushButton *none = button(QStringLiteral("<< &None"), "cmdAdd(3)", this);
    order_ = list("lstFields(1)", this);
    QToolButton *up = arrow(Qt::UpArrow, "cmdScroll(0)", QStringLiteral("Move up"), this);
    QToolButton *down = arrow(Qt::DownArrow, "cmdScroll(1)", QStringLiteral("Move down"), this);

    available_->setToolTip(QStringLiteral("Hold CTRL to select more than one field"));
    auto *availableLabel = new QLabel(QStringLiteral("Available Fields:"), this);
    auto *orderLabel = new QLabel(orderCaption, this);
    // A list's accessible name does not come from its buddy alone.
    captionControl(*availableLabel, *available_);
    captionControl(*orderLabel, *order_);

    auto *buttons = new QVBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {add, remove, all, none})
        buttons->addWidget(b);
    buttons->addStretch();

    auto *move = new QVBoxLayout;
    move->addStretch();
    move->addWidget(new QLabel(QStringLiteral("Move"), this), 0, Qt::AlignHCenter);
    move->addWidget(up, 0, Qt::AlignHCenter);
    move->addWidget(down, 0, Qt::AlignHCenter);
    move->addStretch();

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(availableLabel, 0, 0);
    layout->addWidget(orderLabel, 0, 2);
    layout->addWidget(available_, 1, 0);
    layout->addLayout(buttons, 1, 1);
    layout->addWidget(order_, 1, 2);
    layout->addLayout(move, 1, 3);

    connect(add, &QPushButton::clicked, this, &FieldPicker::addSelected);
    connect(remove, &QPushButton::clicked, this, &FieldPicker::removeSelected);
    connect(all, &QPushButton::clicked, this, &FieldPicker::addAll);
    connect(none, &QPushButton::clicked, this, &FieldPicker::removeAll);
    connect(up, &QToolButton::clicked, this, [this] { moveCurrent(-1); });
    connect(down, &QToolButton::clicked, this, [this] { moveCurrent(1); });
    connect(available_, &QListWidget::itemDoubleClicked, this, &FieldPicker::addSelected);
    connect(order_, &QListWidget::itemDoubleClicked, this, &FieldPicker::removeSelected);
}

void FieldPicker::setAvailable(const QStringList &fields, int notInAll)
{
    notInAll_ = notInAll;
    order_->clear();
    available_->clear();
    available_->addItems(fields);
}

QStringList FieldPicker::available() const
{
    return texts(*available_);
}

QStringList FieldPicker::ordered() const
{
    return texts(*order_);
}

void FieldPicker::appendOrdered(const QStringList &fields)
{
    order_->addItems(fields);
}

void FieldPicker::addSelected()
{
    if (available_->currentRow() < 0)
        return;
    for (int row = 0; row < available_->count(); ++row) {
        if (available_->item(row)->isSelected())
            order_->addItem(available_->item(row)->text());
    }
}

void FieldPicker::removeSelected()
{
    const int current = order_->currentRow();
    if (current < 0)
        return;
    for (int row = 0; row < order_->count();) {
        if (order_->item(row)->isSelected())
            delete order_->takeItem(row);
        else
            ++row;
    }
    // The entry that moved into the current place is next, or the last one.
    if (order_->count() > 0)
        order_->setCurrentRow(std::min(current, order_->count() - 1));
}

void FieldPicker::addAll()
{
    order_->clear();
    order_->addItems(available().mid(notInAll_));
}

void FieldPicker::removeAll()
{
    order_->clear();
}

void FieldPicker::moveCurrent(int step)
{
    const int from = order_->currentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= order_->count())
        return;
    order_->insertItem(to, order_->takeItem(from));
    order_->setCurrentRow(to);
}

} // namespace vantorelle
