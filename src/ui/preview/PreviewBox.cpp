#include "ui/preview/PreviewBox.h"

#include "core/text/Markup.h"
#include "ui/pages/PageFrame.h"
#include "ui/platform/QtText.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace vornask {
namespace {

// The page as the game shows it: light text on a dark ground. The game's own colours are not
// documented; these are chosen to be read easily.
const QColor kPageColour(0x26, 0x22, 0x1c);
const QColor kPlainTextColour(0xe8, 0xe0, 0xcc);
const QColor kLinkColour(0x7f, 0xb2, 0xff);
const QColor kPictureColour(0x4a, 0x42, 0x36);
const QColor kDimmedColour(0x8a, 0x84, 0x78);
// A colour too dark to read on the page gets a light ground of its own.
const QColor kLightGround(0xc8, 0xc0, 0xb0);
// The game's fonts: 14 and 20 pixels of Arial at the usual 96 dots an inch.
constexpr double kTextPoints = 10.5;
constexpr double kHeadingPoints = 15;
// The gap above a paragraph, in parts of a line.
constexpr double kParagraphGap = 0.5;
// Changes within this time are drawn once; after a slow drawing, within twice its time, so that
// typing goes on between drawings of a long text.
constexpr int kRedrawDelayMs = 30;
// The most characters of a page drawn: several windows of the game full.
constexpr int kMostCharactersShown = 20000;

QColor ColourOf(const RunStyle& style) {
    if (style.link)
        return kLinkColour;
    if (const ColourCode* code = FindColourCode(style.colour))
        return QColor::fromRgb(code->rgb);
    return kPlainTextColour;
}

QTextCharFormat FormatOf(const RunStyle& style, bool heading) {
    QTextCharFormat format;
    format.setFontWeight(style.bold || heading ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.italic);
    if (heading)
        format.setFontPointSize(kHeadingPoints);
    const QColor colour = ColourOf(style);
    format.setForeground(colour);
    if (colour.lightnessF() < 0.25)
        format.setBackground(kLightGround);
    return format;
}

// Inserts a line's runs, at most `budget` characters of them; gives what is left of the budget.
std::size_t InsertRuns(QTextCursor& cursor, const DrawnPage& page, const Block& block,
                       std::size_t budget, const QString& pictureTip) {
    for (const Run& run : page.RunsOf(block)) {
        if (budget == 0)
            break;
        QTextCharFormat format = FormatOf(run.style, block.heading);
        QString text = FromAnsi(std::string(page.TextOf(run).substr(0, budget)));
        budget -= std::min(budget, run.size);
        if (run.picture) {
            // A unit's picture, by the unit's name.
            format.setBackground(kPictureColour);
            format.setToolTip(pictureTip);
            text = QStringLiteral("[%1]").arg(text);
        }
        cursor.insertText(text, format);
    }
    return budget;
}

QTextCharFormat NoteFormat() {
    QTextCharFormat note;
    note.setForeground(kDimmedColour);
    note.setFontItalic(true);
    return note;
}

// Starts a new line of the page; the first line goes into the document's own first block.
void NewBlock(QTextCursor& cursor, bool& first, const QTextBlockFormat& format) {
    if (first)
        cursor.setBlockFormat(format);
    else
        cursor.insertBlock(format);
    first = false;
}

QTextBlockFormat LineFormat(const Block& block, double lineHeight, bool first) {
    QTextBlockFormat format;
    format.setAlignment(block.centred ? Qt::AlignHCenter : Qt::AlignLeft);
    format.setTopMargin(block.paragraph && !first ? kParagraphGap * lineHeight : 0);
    return format;
}

} // namespace

} // namespace vornask

// Global T-classes: Qt reports "TPreviewBox", not "vornask::TPreviewBox".
using namespace vornask;

TPreviewBox::TPreviewBox() {
    SetUpDialog(*this, QStringLiteral("PreviewBox"), tr("Preview"), OnEscape::Close);
    BuildControls();
    redrawSoon_.setSingleShot(true);
    redrawSoon_.setInterval(kRedrawDelayMs);
    connect(&redrawSoon_, &QTimer::timeout, this, &TPreviewBox::Redraw);
    connect(flags_, &QListWidget::itemChanged, this, &TPreviewBox::Draw);
}

void TPreviewBox::BuildControls() {
    text_ = new QTextBrowser;
    text_->setObjectName(QStringLiteral("PreviewText"));
    text_->setTabChangesFocus(true);
    text_->setUndoRedoEnabled(false);
    text_->setOpenLinks(false);
    QPalette page = text_->palette();
    page.setColor(QPalette::Base, kPageColour);
    page.setColor(QPalette::Text, kPlainTextColour);
    text_->setPalette(page);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(kTextPoints);
    text_->document()->setDefaultFont(font);

    buttons_ = new QFrame;
    buttons_->setObjectName(QStringLiteral("PreviewButtons"));
    auto* buttonRow = new QHBoxLayout(buttons_);
    buttonRow->setContentsMargins(0, 0, 0, 0);

    flagsLabel_ = new QLabel(tr("Flags that are set:"));
    flags_ = new QListWidget;
    flags_->setObjectName(QStringLiteral("PreviewFlags"));
    flags_->setToolTip(tr("Tick a flag to see the text as the game shows it when the flag is set"));
    flagsLabel_->setBuddy(flags_);
    auto* flagColumn = new QVBoxLayout;
    flagColumn->addWidget(flagsLabel_);
    flagColumn->addWidget(flags_, 1);

    auto* textAndFlags = new QHBoxLayout;
    textAndFlags->addWidget(text_, 3);
    textAndFlags->addLayout(flagColumn, 1);
    auto* frame = new QVBoxLayout(this);
    frame->addLayout(textAndFlags, 1);
    frame->addWidget(buttons_);
    setSizeGripEnabled(true);
    resize(560, 440);
    ShowFlags({});
}

void TPreviewBox::Follow(QWidget& window, Source source, const QList<QWidget*>& watched) {
    StopFollowing();
    if (parentWidget() != &window) {
        // A child of the window it follows: usable while that window runs modally.
        const bool wasShown = isVisible();
        setParent(&window, windowFlags());
        if (!wasShown)
            move(window.frameGeometry().topRight() + QPoint(8, 0));
    }
    window_ = &window;
    window.installEventFilter(this);
    source_ = std::move(source);
    Watch(watched);
    shown_.reset();
    Redraw();
    // Shown without taking the focus from the text being typed; asked again, it takes it.
    const bool alreadyShown = isVisible();
    setAttribute(Qt::WA_ShowWithoutActivating, !alreadyShown);
    show();
    raise();
    if (alreadyShown)
        activateWindow();
}

void TPreviewBox::StopFollowing() {
    for (const QMetaObject::Connection& connection : watching_)
        disconnect(connection);
    watching_.clear();
    redrawSoon_.stop();
    if (window_)
        window_->removeEventFilter(this);
}

// Every change of a control the text comes from, whoever made it, draws the page again soon.
void TPreviewBox::Watch(const QList<QWidget*>& watched) {
    const auto soon = [this] {
        if (isVisible() && !redrawSoon_.isActive())
            redrawSoon_.start();
    };
    for (QWidget* control : watched) {
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            watching_.push_back(connect(edit, &QLineEdit::textChanged, this, soon));
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
            watching_.push_back(connect(box, &QPlainTextEdit::textChanged, this, soon));
            watching_.push_back(connect(box, &QPlainTextEdit::cursorPositionChanged, this, soon));
        } else if (auto* chooser = qobject_cast<QComboBox*>(control)) {
            watching_.push_back(connect(chooser, &QComboBox::currentTextChanged, this, soon));
            watching_.push_back(connect(chooser, &QComboBox::editTextChanged, this, soon));
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            watching_.push_back(connect(button, &QAbstractButton::toggled, this, soon));
        } else if (auto* view = qobject_cast<QAbstractItemView*>(control)) {
            QAbstractItemModel* model = view->model();
            watching_.push_back(connect(model, &QAbstractItemModel::dataChanged, this, soon));
            watching_.push_back(connect(model, &QAbstractItemModel::rowsInserted, this, soon));
            watching_.push_back(connect(model, &QAbstractItemModel::rowsRemoved, this, soon));
            watching_.push_back(connect(model, &QAbstractItemModel::rowsMoved, this, soon));
        }
    }
}

bool TPreviewBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Hide) {
        StopFollowing();
        close();
    }
    return QDialog::eventFilter(watched, event);
}

void TPreviewBox::Redraw() {
    if (!source_)
        return;
    QElapsedTimer drawing;
    drawing.start();
    PreviewSection section = source_();
    if (shown_ != section) {
        shown_ = std::move(section);
        Draw();
    }
    redrawSoon_.setInterval(std::max<int>(kRedrawDelayMs, 2 * drawing.elapsed()));
}

void TPreviewBox::Draw() {
    if (!shown_)
        return;
    const int scrolled = text_->verticalScrollBar()->value();
    QTextDocument& document = *text_->document();
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    if (shown_->lines) {
        const DrawnPage page =
            DrawSection(*shown_->lines, {shown_->missionFileName, TickedFlags()});
        DrawPage(cursor, page);
        ShowButtons(page.buttons);
        ShowFlags(page.flags);
    } else {
        cursor.insertText(tr("The game shows nothing here: the file holds no such section."),
                          NoteFormat());
        ShowButtons({});
        ShowFlags({});
    }
    cursor.endEditBlock();
    text_->verticalScrollBar()->setValue(scrolled);
}

// The title, the background's name, the lines and the menu rows. A text far longer than a
// window of the game shows at once is drawn in part: laying out all of the longest text would
// take seconds at every change.
void TPreviewBox::DrawPage(QTextCursor& cursor, const DrawnPage& page) const {
    bool first = true;
    std::size_t budget = kMostCharactersShown;
    const double lineHeight = QFontMetricsF(text_->document()->defaultFont()).lineSpacing();
    const QString pictureTip = tr("A picture of the unit");
    if (page.title.runCount > 0) {
        NewBlock(cursor, first, QTextBlockFormat());
        Block title = page.title;
        title.heading = true;
        budget = InsertRuns(cursor, page, title, budget, pictureTip);
    }
    if (!page.background.empty()) {
        NewBlock(cursor, first, QTextBlockFormat());
        cursor.insertText(tr("Background picture: %1").arg(FromAnsi(page.background)),
                          NoteFormat());
    }
    for (const Block& block : page.blocks) {
        if (budget == 0) {
            NewBlock(cursor, first, QTextBlockFormat());
            cursor.insertText(tr("(The preview ends here: it shows the first %1 characters.)")
                                  .arg(kMostCharactersShown),
                              NoteFormat());
            break;
        }
        NewBlock(cursor, first, LineFormat(block, lineHeight, first));
        budget = InsertRuns(cursor, page, block, budget, pictureTip);
    }
    for (std::size_t row = 0; row < page.menu.size(); ++row) {
        const MenuRow& entry = page.menu[row];
        QTextBlockFormat format;
        format.setTopMargin(row == 0 && !first ? kParagraphGap * lineHeight : 0);
        NewBlock(cursor, first, format);
        QTextCharFormat look = FormatOf({}, false);
        if (!entry.enabled)
            look.setForeground(kDimmedColour);
        cursor.insertText((entry.done ? QStringLiteral("\u2611 ") : QStringLiteral("\u2610 ")) +
                              FromAnsi(entry.label),
                          look);
    }
}

void TPreviewBox::ShowButtons(const std::vector<std::string>& labels) {
    qDeleteAll(buttons_->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly));
    QLayout* row = buttons_->layout();
    while (QLayoutItem* item = row->takeAt(0))
        delete item;
    auto* buttonRow = static_cast<QHBoxLayout*>(row);
    buttonRow->addStretch();
    for (const std::string& label : labels) {
        // An ampersand is a letter of the game's caption, not a keyboard mnemonic.
        auto* button = new QPushButton(FromAnsi(label).replace(QLatin1Char('&'), "&&"), buttons_);
        button->setEnabled(false);
        buttonRow->addWidget(button);
    }
    buttonRow->addStretch();
    buttons_->setVisible(!labels.empty());
}

// The flags the text names, in its order; a flag named before keeps its tick.
void TPreviewBox::ShowFlags(const std::vector<std::string>& flags) {
    const std::vector<std::string> ticked = TickedFlags();
    const QSignalBlocker quiet(flags_);
    bool same = flags_->count() == static_cast<int>(flags.size());
    for (int row = 0; same && row < flags_->count(); ++row)
        same = flags_->item(row)->text() == FromAnsi(flags[static_cast<std::size_t>(row)]);
    if (!same) {
        flags_->clear();
        for (const std::string& flag : flags) {
            auto* item = new QListWidgetItem(FromAnsi(flag), flags_);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            const bool wasTicked =
                std::any_of(ticked.begin(), ticked.end(),
                            [&flag](const std::string& name) { return EqualsNoCase(name, flag); });
            item->setCheckState(wasTicked ? Qt::Checked : Qt::Unchecked);
        }
    }
    flagsLabel_->setVisible(!flags.empty());
    flags_->setVisible(!flags.empty());
}

std::vector<std::string> TPreviewBox::TickedFlags() const {
    std::vector<std::string> ticked;
    for (int row = 0; row < flags_->count(); ++row)
        if (flags_->item(row)->checkState() == Qt::Checked)
            ticked.push_back(ToAnsi(flags_->item(row)->text()));
    return ticked;
}
