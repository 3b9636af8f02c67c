#include "editor/record_editor.h"

#include "editor/topic_panel.h"
#include "mainwin/error_trap.h"
#include "mainwin/main_window.h"

// The record commands of the reading panels. A topic without a panel offers
// nothing to add or edit.

void RecordEditor::cmdAdd_Click()
{
    TopicPanel *panel = panelAt(main_.lstTopics->currentRow());
    if (!panel)
        return;
    main_.TrackEdits = false;
    panel->clear();
    bringToFront(*panel);
    main_.TrackEdits = true;
    main_.frmViewer->hide();
    ChangeMode(QStringLiteral("Add"));
}

void RecordEditor::cmdEdit_Click()
{
    TopicPanel *panel = panelAt(main_.lstTopics->currentRow());
    if (!panel)
        return;
    // The viewer finds the grid row's record and leaves it the table's current
    // row, which the panel then shows; a record that cannot be shown is not edited.
    if (!runTrapped(QStringLiteral("showing a record"), [this] { main_.gridViewer_Click(); })
        || !showPanel(*panel))
        return;
    bringToFront(*panel);
    main_.frmViewer->hide();
    ChangeMode(QStringLiteral("Edit"));
}

void RecordEditor::cmdNewCancel_Click()
{
    if (!runTrapped(QStringLiteral("cancelling the changes"), [this] {
            ChangeMode(QStringLiteral("Clear"));
            main_.ModeText.clear();
            main_.lstTopics_Click();
        }))
        main_.TrackEdits = true;
}

void RecordEditor::cmdNew_Click()
{
    // A new profile is entered on the Personal panel, which comes with it.
}
