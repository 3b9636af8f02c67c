#pragma once

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace vantorelle {

// The windows of the master lists, reports and exchange that the main
// window's menus open. Those subsystems sit beside the main window, not below
// it, so the program installs them here; a window not installed leaves its
// menu item without effect. Each one returns when its window is closed, but
// the graph window, which stays open beside the main window.
struct SecondaryWindows {
    // The master-list editor on list `index` (0 contacts .. 5 provider types),
    // modal.
    std::function<void(int index)> editMaster;
    // The provider or pharmacy viewer, modal, owned by `owner`: it shows the
    // master whose Key is `masterKey` (cp1252 bytes), a pharmacy when the View
    // button reads "View Pharmacy".
    std::function<void(QWidget *owner, const std::string &masterKey, bool pharmacy)> viewProvider;
    // The export and import dialogs, modal, owned by `owner`, for the profile
    // the selector shows as `profile`.
    std::function<void(QWidget *owner, const QString &profile)> exportData;
    std::function<void(QWidget *owner, const QString &profile)> importData;
    // The graph window, not modal, without owner.
    std::function<void()> graph;
    // The print options of the profile report and of the master-lists report,
    // modal, without owner.
    std::function<void()> printProfile;
    std::function<void()> printMasterLists;
};

} // namespace vantorelle
