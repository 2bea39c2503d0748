// Values are captured as the game's 8-bit text, which cannot hold every character a user can
// type. The capture remembers, per field, what it could not keep, so that the user is told
// before the file is written.
#pragma once

#include <compare>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

// The fields that take free text, in the order their windows show them.
enum class TextField {
    Title,
    Quote,
    QuoteAuthor,
    Story,
    OpponentName, // side: the opponent
    EventHeading, // item: the event chooser's position; side: the opponent, 0 for none
    EventText,
    NextMission,
    CampaignTitle,
    CampaignHeader,
    CampaignText,
    MissionTitle, // item: the mission's position in the campaign, from 0
    MissionFile,
    Source,
};

struct FieldRef {
    TextField field;
    int item = 0;
    int side = 0;
    auto operator<=>(const FieldRef&) const = default;
};

// One line of the warning: the field and its lost characters as shown to the user.
struct LostNotice {
    FieldRef where;
    std::u32string shown;
};

class LostCharacters {
public:
    // Remembers what the capture of `text` into `where` loses; a text that loses nothing
    // clears what the field lost before.
    void Record(FieldRef where, std::u16string_view text);
    // Forgets every item of `field`, as when the values behind it are reset.
    void Forget(TextField field);
    // Forgets item `item` of `field`; the items after it move up one place.
    void RemoveItem(TextField field, int item);
    // Makes room for a new item `item` of `field`, which has lost nothing yet: the items from
    // there on move down one place.
    void InsertItem(TextField field, int item);
    // Items `a` and `b` of `field` trade places, as when two missions do.
    void SwapItems(TextField field, int a, int b);
    void Clear() { lost_.clear(); }
    bool empty() const { return lost_.empty(); }

    // What the warning says, field by field in the windows' order. Control characters are
    // named by their code ("U+001B"), for they show nothing.
    std::vector<LostNotice> Notices() const;

private:
    void ShiftItems(TextField field, int item, int step);

    std::map<FieldRef, std::u32string> lost_;
};

} // namespace vornask
