#pragma once

#include "core/saving/SaveProcedure.h"
#include "ui/pages/PageFrame.h"

#include <functional>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace vornask {

class WindowOwner;

} // namespace vornask

// Shows the generated campaign guide file for editing before it is saved. Modeless: it stays
// open beside the start window after the campaign editor has closed.
class TViewCampaignSource : public TPageFrame {
    Q_OBJECT
public:
    explicit TViewCampaignSource(vornask::WindowOwner& windows);

    // Whether the text was changed since it was shown.
    bool Edited() const;

    using SaveLines = std::function<vornask::SaveResult(const std::vector<std::string>& edited)>;

    // Shown by the finish window, filled with `lines` then and only then: switching to another
    // window and back keeps the user's edits. "OK" hands the edited lines to `save`.
    void Edit(const std::vector<std::string>& lines, SaveLines save);
    void SaveIt();

private:
    // "Pre&view": the section that holds the cursor.
    void AddPreviewButton(vornask::WindowOwner& windows);

    QPlainTextEdit* sourceBox_;
    SaveLines save_;
};
