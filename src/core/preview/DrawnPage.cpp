#include "core/preview/DrawnPage.h"

#include "core/mission/TechAllyEncoding.h"
#include "core/text/Markup.h"
#include "core/text/Windows1252.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace vornask {
namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::string_view kFileNameKey = "mission.fileName";

// The next place of one character, for searches from places that never go back: the place found
// is kept until it is passed, so a text full of openers without their closers is searched once in
// all, not once per opener.
class NextOf {
public:
    NextOf(std::string_view text, char c) : text_(text), c_(c) {}
    std::size_t From(std::size_t at) {
        if (!searched_ || (found_ != npos && at > found_)) {
            found_ = text_.find(c_, at);
            searched_ = true;
        }
        return found_;
    }

private:
    std::string_view text_;
    char c_;
    bool searched_ = false;
    std::size_t found_ = npos;
};

// The variables "{key}" of a line, in order: a key runs to the next "}" and holds no "{"; a "{"
// that opens none is text.
class KeyScanner {
public:
    explicit KeyScanner(std::string_view line) : open_(line, '{'), close_(line, '}') {}

    struct Found {
        std::size_t begin; // the "{"
        std::size_t end;   // after the "}"
        std::string_view Key(std::string_view line) const {
            return line.substr(begin + 1, end - begin - 2);
        }
    };

    std::optional<Found> Next() {
        while (true) {
            const std::size_t brace = open_.From(at_);
            if (brace == npos)
                return std::nullopt;
            const std::size_t close = close_.From(brace + 1);
            if (close == npos)
                return std::nullopt;
            at_ = brace + 1;
            if (open_.From(at_) > close) {
                at_ = close + 1;
                return Found{brace, close + 1};
            }
        }
    }

private:
    std::size_t at_ = 0;
    NextOf open_, close_;
};

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

// Strings looked up by views of them, without a copy.
struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
    }
};
template <class Value>
using StringMap = std::unordered_map<std::string, Value, Hash, std::equal_to<>>;

// The flags a section names, and whether each is set. Keys are compared as the game compares
// them, letter case ignored: each is looked up by its lower-case form, made in a buffer kept for
// that, since a text may name thousands.
class Flags {
public:
    Flags(const PageValues& values, std::vector<std::string>& named) : named_(named) {
        for (const std::string& flag : values.setFlags)
            set_.emplace(Lowered(flag));
    }

    void NameEvery(std::string_view text) {
        KeyScanner keys(text);
        while (const std::optional<KeyScanner::Found> found = keys.Next())
            Name(found->Key(text));
    }

    // Whether a key is the mission's file name, which the game fills in.
    bool IsFileName(std::string_view key) {
        return key.size() == kFileNameKey.size() && Lowered(key) == kLowerFileNameKey;
    }

    // 1 or 0 for a flag; none for a key that is none.
    std::optional<bool> ValueOf(std::string_view key) {
        const auto found = values_.find(Lowered(key));
        if (found == values_.end())
            return std::nullopt;
        return found->second;
    }

private:
    void Name(std::string_view key) {
        if (IsFileName(key) || values_.find(Lowered(key)) != values_.end())
            return;
        const bool set = set_.find(lowered_) != set_.end();
        values_.emplace(lowered_, set);
        named_.emplace_back(key);
    }

    std::string_view Lowered(std::string_view key) {
        lowered_.assign(key);
        for (char& c : lowered_)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return lowered_;
    }

    static constexpr std::string_view kLowerFileNameKey = "mission.filename";
    std::vector<std::string>& named_;
    std::string lowered_;
    std::unordered_set<std::string, Hash, std::equal_to<>> set_;
    StringMap<bool> values_;
};

// The fields of a command line's value, split at its commas.
std::vector<std::string_view> Fields(std::string_view value) {
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t comma = value.find(',');
        fields.push_back(Trimmed(value.substr(0, comma)));
        if (comma == npos)
            return fields;
        value.remove_prefix(comma + 1);
    }
}

// A command line "$Name=value": its name and value; none for a line that is no command.
struct Command {
    std::string_view name;
    std::string_view value;
};
std::optional<Command> CommandOf(std::string_view line) {
    line = line.substr(IndentOf(line));
    if (!line.starts_with('$'))
        return std::nullopt;
    const std::size_t equals = line.find('=');
    return Command{Trimmed(line.substr(1, equals == npos ? npos : equals - 1)),
                   equals == npos ? std::string_view() : line.substr(equals + 1)};
}

constexpr std::size_t kDoneField = 3;
constexpr std::size_t kEnabledField = 4;

void NameFlags(const std::vector<std::string>& lines, Flags& flags) {
    bool inCondition = false; // a condition's "<?" may stand on a line before its ">"
    for (const std::string_view line : lines) {
        // In the conditions...
        for (std::size_t at = 0;;) {
            if (!inCondition) {
                const std::size_t open = line.find("<?", at);
                if (open == npos)
                    break;
                at = open + 2;
                inCondition = true;
            }
            const std::size_t end = line.find('>', at);
            flags.NameEvery(line.substr(at, end == npos ? npos : end - at));
            if (end == npos)
                break;
            inCondition = false;
            at = end + 1;
        }
        // ... and in the menu rows, whose done and enabled fields are conditions too.
        if (const std::optional<Command> command = CommandOf(line);
            command && EqualsNoCase(command->name, "Checked")) {
            const std::vector<std::string_view> fields = Fields(command->value);
            for (std::size_t field = kDoneField; field < fields.size(); ++field)
                flags.NameEvery(fields[field]);
        }
    }
}

void FillInLine(std::string_view line, Flags& flags, const PageValues& values,
                std::string& filled) {
    KeyScanner keys(line);
    std::size_t at = 0;
    while (const std::optional<KeyScanner::Found> found = keys.Next()) {
        filled.append(line.substr(at, found->begin - at));
        const std::string_view key = found->Key(line);
        if (flags.IsFileName(key) && !values.missionFileName.empty())
            filled += values.missionFileName;
        else if (const std::optional<bool> flag = flags.ValueOf(key))
            filled += *flag ? '1' : '0';
        else
            filled.append("{").append(UpperCase(key)).append("}");
        at = found->end;
    }
    filled.append(line.substr(at));
}

// Step 1: the variables filled in, in the lines joined by line ends.
std::string FillIn(const std::vector<std::string>& lines, Flags& flags, const PageValues& values) {
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 1;
    std::string filled;
    filled.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            filled += '\n';
        FillInLine(lines[i], flags, values, filled);
    }
    return filled;
}

// A whole number as the game reads one: spaces, a sign and digits, whatever follows; 0 for none.
// Numbers too large for the type stop growing.
long long NumberOf(std::string_view text) {
    text = Trimmed(text);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    constexpr long long kLargest = 1'000'000'000'000'000'000;
    long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        number = number > kLargest / 10 ? kLargest : std::min(kLargest, number * 10 + (c - '0'));
    }
    return negative ? -number : number;
}

bool IsWholeNumber(std::string_view text) {
    text = Trimmed(text);
    if (text.starts_with('-') || text.starts_with('+'))
        text.remove_prefix(1);
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "a=b" under a comparison: numbers as numbers, any other text by its characters.
bool Compares(std::string_view comparison, std::string_view sides) {
    const std::size_t equals = sides.find('=');
    if (equals == npos)
        return false;
    const std::string_view a = Trimmed(sides.substr(0, equals));
    const std::string_view b = Trimmed(sides.substr(equals + 1));
    const int order = IsWholeNumber(a) && IsWholeNumber(b)
                          ? (NumberOf(a) < NumberOf(b) ? -1 : NumberOf(a) > NumberOf(b))
                          : a.compare(b);
    if (comparison == "?")
        return order == 0;
    if (comparison == "g")
        return order > 0;
    if (comparison == "ge")
        return order >= 0;
    if (comparison == "l")
        return order < 0;
    return order <= 0; // "le"
}

// Whether the text a condition opens shows: the condition is what stands between "<?" and ">".
bool Holds(std::string_view condition) {
    if (condition.starts_with('!'))
        return NumberOf(condition.substr(1)) == 0;
    if (condition.starts_with('?'))
        return Compares("?", condition.substr(1));
    for (std::string_view comparison : {"ge", "le", "g", "l"})
        if (condition.starts_with(comparison))
            return Compares(comparison, condition.substr(comparison.size()));
    return NumberOf(condition) != 0;
}

// The parts of a text that a step keeps, moved to its front in order, for steps that only take
// text out: the text is worked on where it stands, not copied.
class KeptParts {
public:
    explicit KeptParts(std::string& text) : text_(text) {}
    void Keep(std::size_t begin, std::size_t end) {
        if (kept_ != begin)
            std::memmove(text_.data() + kept_, text_.data() + begin, end - begin);
        kept_ += end - begin;
    }
    void Done() { text_.resize(kept_); }

private:
    std::string& text_;
    std::size_t kept_ = 0;
};

// Step 2: the text the conditions hide taken out.
void FilterConditions(std::string& filled) {
    const std::string_view text = filled;
    KeptParts shown(filled);
    NextOf tagEnd(text, '>');
    bool showing = true;
    std::size_t at = 0;
    for (std::size_t open = text.find('<'); open != npos; open = text.find('<', at)) {
        if (showing)
            shown.Keep(at, open);
        at = open + 1;
        const std::string_view rest = text.substr(open);
        const bool condition = rest.size() > 1 && rest[1] == '?';
        if (rest.size() > 3 && rest[1] == '/' && rest[2] == '?' && rest[3] == '>') {
            showing = true;
            at = open + 4;
        } else if (const std::size_t end = condition ? tagEnd.From(open + 2) : npos; end != npos) {
            showing = Holds(text.substr(open + 2, end - open - 2));
            at = end + 1;
        } else if (showing) {
            shown.Keep(open, at);
        }
    }
    if (showing)
        shown.Keep(at, text.size());
    shown.Done();
}

// Step 3: the command lines taken out, their buttons and menu rows kept.
void TakeOutCommands(std::string& shown, DrawnPage& page) {
    const std::string_view text = shown;
    KeptParts rest(shown);
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::optional<Command> command = CommandOf(text.substr(at, end - at));
        if (!command) {
            rest.Keep(at, std::min(end + 1, text.size()));
        } else if (const std::vector<std::string_view> fields = Fields(command->value);
                   EqualsNoCase(command->name, "Button")) {
            page.buttons.emplace_back(fields.front());
        } else if (EqualsNoCase(command->name, "Checked")) {
            page.menu.push_back(
                {std::string(fields.front()),
                 fields.size() > kDoneField && NumberOf(fields[kDoneField]) != 0,
                 fields.size() <= kEnabledField || NumberOf(fields[kEnabledField]) != 0});
        }
        at = end + 1;
    }
    rest.Done();
}

// The name the knowledge table gives a unit's type, or the type itself as the page draws text.
std::string UnitName(std::string_view type) {
    for (const TechItem& item : TechItemTable) {
        const std::string_view emitted(item.emitted);
        if (EqualsNoCase(type, emitted.substr(0, emitted.size() - 1)) ||
            (item.alsoRead && EqualsNoCase(type, item.alsoRead)))
            return item.caption;
    }
    return WithControlsReplaced(type);
}

// The type of a picture code's inside, "IsunCannon.B9" or "IsunCannon,B9"; none for anything else.
std::optional<std::string_view> PictureType(std::string_view inside) {
    const auto breaksIt = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '<' || c == '~';
    };
    if (!inside.starts_with('I') || std::any_of(inside.begin(), inside.end(), breaksIt))
        return std::nullopt;
    const auto frame =
        std::find_if(inside.begin() + 1, inside.end(), [](char c) { return c == '.' || c == ','; });
    const std::string_view type(inside.begin() + 1, frame);
    return type.empty() ? std::nullopt : std::optional(type);
}

bool IsAsciiLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Where a tag's name ends: its last letter is followed by a space or by "=".
bool IsNameEnd(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '=';
}

enum class TagKind { Unknown, Break, Paragraph, Heading, Italic, Bold, Link, Centre, Background };

struct TagName {
    std::string_view name;
    TagKind kind;
};
constexpr std::array<TagName, 13> kTagNames = {{
    {"br", TagKind::Break},
    {"p", TagKind::Paragraph},
    {"h1", TagKind::Heading},
    {"h2", TagKind::Heading},
    {"h3", TagKind::Heading},
    {"h4", TagKind::Heading},
    {"i", TagKind::Italic},
    {"q", TagKind::Italic},
    {"b", TagKind::Bold},
    {"c", TagKind::Bold},
    {"a", TagKind::Link},
    {"center", TagKind::Centre},
    {"background", TagKind::Background},
}};

// The tag a name (in any letter case) names; tags are many in a text, so names of another length
// or first letter are passed over without comparing the rest.
TagKind TagOf(std::string_view name) {
    if (name.empty())
        return TagKind::Unknown;
    const char first =
        name[0] >= 'A' && name[0] <= 'Z' ? static_cast<char>(name[0] - 'A' + 'a') : name[0];
    for (const TagName& tag : kTagNames)
        if (tag.name.size() == name.size() && tag.name[0] == first && EqualsNoCase(tag.name, name))
            return tag.kind;
    return TagKind::Unknown;
}

// What the drawing stops at: anything but the characters of words and plain spaces.
enum class CharClass : unsigned char { Word, Space, LineSpace, Tag, Code, Control };

const std::array<CharClass, 256>& CharClasses() {
    static const std::array<CharClass, 256> classes = [] {
        std::array<CharClass, 256> table{};
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            table[byte] = HoldsControlCharacter(std::string_view(&c, 1)) ? CharClass::Control
                                                                         : CharClass::Word;
        }
        table[' '] = CharClass::Space;
        for (unsigned char c : {'\t', '\n', '\r'})
            table[c] = CharClass::LineSpace;
        table['<'] = CharClass::Tag;
        table['~'] = CharClass::Code;
        return table;
    }();
    return classes;
}

// Steps 4 and 5: tags and codes applied and white space tidied, as the text is read once.
class PageDrawer {
public:
    PageDrawer(std::string_view text, DrawnPage& page)
        : text_(text), page_(page), tagEnd_(text, '>'), pictureEnd_(text, ']') {
        page_.text.reserve(text.size());
        page_.blocks.emplace_back();
    }

    void Draw() {
        const std::array<CharClass, 256>& classes = CharClasses();
        const auto classAt = [&](std::size_t i) {
            return classes[static_cast<unsigned char>(text_[i])];
        };
        std::size_t at = 0;
        while (at < text_.size()) {
            // Words and the plain spaces between them are drawn in one piece; the spaces at its
            // ends wait to be joined with the white space around them.
            std::size_t end = at;
            while (end < text_.size() && classAt(end) <= CharClass::Space)
                ++end;
            const std::size_t first = std::min(text_.find_first_not_of(' ', at), end);
            if (first < end) {
                const std::size_t last = text_.find_last_not_of(' ', end - 1);
                Spaces(first - at);
                Text(text_.substr(first, last + 1 - first));
                Spaces(end - last - 1);
                at = end;
                continue;
            }
            Spaces(end - at);
            at = end;
            if (at == text_.size())
                break;
            switch (classAt(at)) {
            case CharClass::LineSpace:
                if (spaces_ == 0 && !lineSpace_)
                    spaceStyle_ = style_;
                lineSpace_ = true;
                ++at;
                break;
            case CharClass::Control:
                Text("?");
                ++at;
                break;
            case CharClass::Tag:
                at = Tag(at);
                break;
            case CharClass::Code:
                at = Code(at);
                break;
            case CharClass::Word:
            case CharClass::Space:
                break;
            }
        }
        // Empty lines at the end draw nothing.
        while (!page_.blocks.empty() && page_.blocks.back().runCount == 0)
            page_.blocks.pop_back();
    }

private:
    Block& Current() { return inTitle_ ? page_.title : page_.blocks.back(); }

    void Spaces(std::size_t count) {
        if (count > 0 && spaces_ == 0 && !lineSpace_)
            spaceStyle_ = style_;
        spaces_ += count;
    }

    // The white space before text, in the style it was typed in: one space for a run that held a
    // line end or a tab, the plain spaces as they are; at a line's start only plain spaces.
    void SpaceBefore() {
        if (lineSpace_) {
            if (Current().runCount > 0)
                Append(" ", spaceStyle_);
        } else if (spaces_ > 0) {
            page_.text.append(spaces_, ' ');
            AddRun(spaces_, spaceStyle_);
        }
        ForgetSpace();
    }
    void ForgetSpace() {
        spaces_ = 0;
        lineSpace_ = false;
    }

    void Append(std::string_view text, const RunStyle& style, bool picture = false) {
        page_.text.append(text);
        AddRun(text.size(), style, picture);
    }

    // The last `size` characters of the page's text as a run of the current line: the end of its
    // last run when that has the same style, else a run of their own.
    void AddRun(std::size_t size, const RunStyle& style, bool picture = false) {
        Block& block = Current();
        if (block.runCount > 0 && !picture && !page_.runs.back().picture &&
            page_.runs.back().style == style) {
            page_.runs.back().size += size;
            return;
        }
        if (block.runCount == 0)
            block.firstRun = page_.runs.size();
        page_.runs.push_back({page_.text.size() - size, size, style, picture});
        ++block.runCount;
    }

    void Text(std::string_view text) {
        SpaceBefore();
        Append(text, style_);
    }

    void Picture(std::string_view type) {
        SpaceBefore();
        auto known = unitNames_.find(type);
        if (known == unitNames_.end())
            known = unitNames_.emplace(type, UnitName(type)).first;
        Append(known->second, style_, true);
    }

    // A new line, with a gap above it for a paragraph. A line break always leaves the line
    // before it, even an empty one; a paragraph, a heading or a centred part takes the place of
    // an empty line, as a line break before them only ends the line.
    enum class LineStart { Break, Paragraph, Part };
    void NewLine(LineStart start) {
        ForgetSpace();
        inTitle_ = false;
        Block& current = page_.blocks.back();
        const Block next{page_.runs.size(), 0, heading_, centred_, start == LineStart::Paragraph};
        if (start != LineStart::Break && current.runCount == 0)
            current = next;
        else
            page_.blocks.push_back(next);
    }

    void Heading(bool opens) {
        heading_ = opens;
        if (opens && !titleTaken_) {
            ForgetSpace();
            titleTaken_ = inTitle_ = true;
            return;
        }
        NewLine(LineStart::Part);
    }

    // The tag at `at`: applied, or text when no ">" closes it. Gives the place after it.
    std::size_t Tag(std::size_t at) {
        const std::size_t end = tagEnd_.From(at + 1);
        if (end == npos) {
            Text("<");
            return at + 1;
        }
        std::string_view inside = text_.substr(at + 1, end - at - 1);
        const bool closing = inside.starts_with('/');
        if (closing)
            inside.remove_prefix(1);
        std::size_t nameEnd = 0;
        while (nameEnd < inside.size() && !IsNameEnd(inside[nameEnd]))
            ++nameEnd;
        switch (TagOf(inside.substr(0, nameEnd))) {
        case TagKind::Break:
            if (!closing)
                NewLine(LineStart::Break);
            break;
        case TagKind::Paragraph:
            if (!closing)
                NewLine(LineStart::Paragraph);
            break;
        case TagKind::Heading:
            Heading(!closing);
            break;
        case TagKind::Italic:
            style_.italic = !closing;
            break;
        case TagKind::Bold:
            style_.bold = !closing;
            break;
        case TagKind::Link:
            style_.link = !closing;
            break;
        case TagKind::Centre:
            centred_ = !closing;
            NewLine(LineStart::Part);
            break;
        case TagKind::Background:
            if (!closing)
                Background(inside.substr(nameEnd));
            break;
        case TagKind::Unknown:
            break;
        }
        return end + 1;
    }

    void Background(std::string_view rest) {
        rest = Trimmed(rest);
        if (!rest.starts_with('='))
            return;
        rest = Trimmed(rest.substr(1));
        if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"')
            rest = rest.substr(1, rest.size() - 2);
        page_.background = rest;
    }

    // The code at `at`: applied. Gives the place after it.
    std::size_t Code(std::size_t at) {
        const char letter = at + 1 < text_.size() ? text_[at + 1] : ' ';
        switch (letter) {
        case '~':
            Text("~");
            break;
        case '.':
            style_.colour = kPlainColour;
            break;
        case 'B':
            style_.bold = true;
            break;
        case 'E':
            style_.bold = false;
            break;
        case '[':
            return PictureCode(at);
        default:
            if (FindColourCode(letter)) {
                style_.colour = letter;
            } else if (!IsAsciiLetterOrDigit(letter)) {
                Text("~"); // before a space or a sign, a tilde stands for itself
                return at + 1;
            }
        }
        return at + 2; // an unknown letter draws nothing
    }

    std::size_t PictureCode(std::size_t at) {
        const std::size_t end = pictureEnd_.From(at + 2);
        const std::optional<std::string_view> type =
            end == npos ? std::nullopt : PictureType(text_.substr(at + 2, end - at - 2));
        if (!type) {
            Text("~[");
            return at + 2;
        }
        Picture(*type);
        return end + 1;
    }

    std::string_view text_;
    DrawnPage& page_;
    NextOf tagEnd_, pictureEnd_;
    RunStyle style_;
    bool heading_ = false;
    bool centred_ = false;
    bool titleTaken_ = false;
    bool inTitle_ = false;
    std::size_t spaces_ = 0;
    bool lineSpace_ = false;
    RunStyle spaceStyle_;
    StringMap<std::string> unitNames_; // by type as written, as drawn so far
};

} // namespace

const ColourCode* FindColourCode(char letter) {
    const auto found =
        std::find_if(kColourCodes.begin(), kColourCodes.end(),
                     [letter](const ColourCode& code) { return code.letter == letter; });
    return found == kColourCodes.end() ? nullptr : &*found;
}

DrawnPage DrawSection(const std::vector<std::string>& lines, const PageValues& values) {
    DrawnPage page;
    Flags flags(values, page.flags);
    NameFlags(lines, flags);
    std::string text = FillIn(lines, flags, values);
    FilterConditions(text);
    TakeOutCommands(text, page);
    PageDrawer(text, page).Draw();
    return page;
}

} // namespace vornask
