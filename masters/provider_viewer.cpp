#include "masters/provider_viewer.h"

#include "masters/master_list_editor.h"
#include "masters/provider_view.h"
#include "text/cp1252.h"
#include "widgets/rich_text_view.h"
#include "widgets/tab_order.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorelle {

ProviderViewer::ProviderViewer(
    MainWindowContext &context, const std::string &key, bool pharmacy, QWidget *parent)
    : QDialog(parent)
    , context_(context)
    , pharmacy_(pharmacy)
    , text_(new RichTextView(this))
    , editButton_(new QPushButton(QStringLiteral("&Edit"), this))
    , closeButton_(new QPushButton(QStringLiteral("&Close"), this))
{
    setObjectName(QStringLiteral("frmViewProvider"));
    setWindowTitle(pharmacy ? QStringLiteral("View Pharmacy") : QStringLiteral("View Provider"));
    text_->setObjectName(QStringLiteral("rtViewer"));
    editButton_->setObjectName(QStringLiteral("cmdEdit"));
    closeButton_->setObjectName(QStringLiteral("cmdClose"));
    closeButton_->setDefault(true);

    auto *commands = new QHBoxLayout;
    commands->addWidget(editButton_);
    commands->addStretch(1);
    commands->addWidget(closeButton_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(commands);
    orderTabsByLayout(*this);
    resize(480, 400);

    const ProviderView shown = providerView(context_.store(), key, pharmacy);
    text_->setRtf(Cp1252::toUnicode(shown.rtf));
    text_->moveCursor(QTextCursor::Start);

    connect(editButton_, &QPushButton::clicked, this, &ProviderViewer::editList);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void ProviderViewer::view(
    MainWindowContext &context, const std::string &key, bool pharmacy, QWidget *owner)
{
    ProviderViewer viewer(context, key, pharmacy, owner);
    viewer.exec();
}

void ProviderViewer::editList()
{
    MasterListEditor::edit(
        context_, pharmacy_ ? MasterListId::Pharmacies : MasterListId::Providers, this);
    context_.fillMasterLists();
    accept();
}

} // namespace vantorelle
