#pragma once

#include "context/main_window_context.h"

#include <QDialog>

#include <string>

class QPushButton;

namespace vantorelle {

class RichTextView;

// Shows one provider or pharmacy of the master lists, read-only, for the
// record the main window shows; Edit opens the master-list editor on its list.
class ProviderViewer : public QDialog {
    Q_OBJECT
public:
    // The master whose Key is `key` (cp1252 bytes): a pharmacy when
    // `pharmacy`, else a provider.
    ProviderViewer(MainWindowContext &context, const std::string &key, bool pharmacy,
        QWidget *parent = nullptr);

    // Shows the viewer, modal, and returns when it is closed.
    static void view(
        MainWindowContext &context, const std::string &key, bool pharmacy, QWidget *owner);

private:
    // Opens the editor on the pharmacy or provider list; once it is closed
    // the main window's master lists are filled again and the viewer closes.
    void editList();

    MainWindowContext &context_;
    const bool pharmacy_;
    // The controls carry short object names, by which tests find them.
    RichTextView *text_;
    QPushButton *editButton_;
    QPushButton *closeButton_;
};

} // namespace vantorelle
