#include "ui/wizard/FourthBoxTabs.h"
#include "ui/controls/SingleLine.h"

#include "core/mission/MissionSettings.h"
#include "core/text/LostCharacters.h"
#include "ui/controls/SpinEdit.h"
#include "ui/pages/PageControls.h"
#include "ui/platform/QtText.h"
#include "ui/platform/Texts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vornask {
namespace {

constexpr int kMoneyStep = 100;
constexpr int kItemPositionRole = Qt::UserRole; // a knowledge item's position in the table

QString MoneyHint() {
    return Texts::tr("How rich is this guy?");
}

QString Numbered(const char* prefix, int side, const char* suffix = "") {
    return QString::fromLatin1(prefix) + QString::number(side) + QString::fromLatin1(suffix);
}

template <std::size_t N>
QListWidget* MakeTechList(const QString& name, const std::array<int, N>& order) {
    QStringList captions;
    for (int position : order)
        captions << QString::fromLatin1(TechItemTable[position].caption);
    QListWidget* list = MakeCheckList(name, captions, Texts::tr("Tick the boxes to give the tech"));
    for (std::size_t row = 0; row < N; ++row)
        list->item(static_cast<int>(row))->setData(kItemPositionRole, order[row]);
    // As tall as the tab's other controls: the 26 items scroll.
    list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    list->setMinimumHeight(RowsHeight(*list, list->sizeHintForRow(0), 8));
    return list;
}

std::array<int, kTechItemCount> TableOrder() {
    std::array<int, kTechItemCount> order{};
    for (int i = 0; i < kTechItemCount; ++i)
        order[i] = i;
    return order;
}

QListWidget* MakeAllyList(const QString& name, int owner, const QString& hint) {
    QStringList captions;
    for (const std::string& caption : AllyListCaptions(owner))
        captions << QString::fromStdString(caption);
    QListWidget* list = MakeCheckList(name, captions, hint);
    list->setFixedHeight(RowsHeight(*list, list->sizeHintForRow(0), kAllyItemCount));
    return list;
}

void SetTextColour(QListWidget& list, const QColor& colour) {
    for (int row = 0; row < list.count(); ++row)
        list.item(row)->setForeground(colour);
}

// A tab's knowledge and ally lists; "All technology" ticks or unticks all knowledge.
SideLists MakeSideLists(QWidget* tab, QListWidget* techList, const QString& allTechName,
                        const QString& allyListName, int owner, const QString& allyHint) {
    const SideLists lists{techList,
                          MakeCheckBox(allTechName, Texts::tr("All technology")),
                          MakeAllyList(allyListName, owner, allyHint),
                          owner,
                          {},
                          {}};
    QObject::connect(lists.allTechBox, &QCheckBox::toggled, tab,
                     [lists] { ClickAllTech(*lists.allTechBox, *lists.techList); });
    return lists;
}

// Knowledge on the right, the tab's own controls in `left`.
void LayOutTab(QWidget* tab, QVBoxLayout* left, const SideLists& lists) {
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(Texts::tr("Knowledge:")));
    right->addWidget(lists.techList, 1);
    right->addWidget(lists.allTechBox);
    auto* columns = new QHBoxLayout(tab);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
}

} // namespace

void ResetSideLists(SideLists& lists) {
    UncheckAll(*lists.allyList);
    UncheckAll(*lists.techList);
    lists.allTechBox->setChecked(false);
    lists.otherTech.clear();
    lists.otherAllies.clear();
}

void ShowSideLists(SideLists& lists, const std::string& tech, const std::string& allies) {
    ResetSideLists(lists);
    const TechChoice choice = ReadTechList(tech);
    lists.allTechBox->setChecked(choice.allTechnology);
    for (int row = 0; row < lists.techList->count(); ++row) {
        QListWidgetItem* item = lists.techList->item(row);
        if (choice.ticked[item->data(kItemPositionRole).toInt()])
            item->setCheckState(Qt::Checked);
    }
    lists.otherTech = choice.others;
    const AllyChoice ticks = ReadAllyList(allies, lists.owner);
    for (int row = 0; row < kAllyItemCount; ++row)
        if (ticks.ticked[row])
            lists.allyList->item(row)->setCheckState(Qt::Checked);
    lists.otherAllies = ticks.others;
}

void ClickAllTech(const QCheckBox& allTechBox, QListWidget& techList) {
    const Qt::CheckState state = allTechBox.isChecked() ? Qt::Checked : Qt::Unchecked;
    for (int row = 0; row < techList.count(); ++row)
        techList.item(row)->setCheckState(state);
}

void UncheckAll(QListWidget& list) {
    for (int row = 0; row < list.count(); ++row)
        list.item(row)->setCheckState(Qt::Unchecked);
}

std::string TechValue(const SideLists& lists) {
    TechChoice choice{{}, lists.allTechBox->isChecked(), lists.otherTech};
    for (int row = 0; row < lists.techList->count(); ++row) {
        const QListWidgetItem* item = lists.techList->item(row);
        choice.ticked[item->data(kItemPositionRole).toInt()] = item->checkState() == Qt::Checked;
    }
    return GetTechList(choice);
}

std::string AllyValue(const SideLists& lists) {
    AllyChoice choice{{}, lists.otherAllies};
    for (int row = 0; row < kAllyItemCount; ++row)
        choice.ticked[row] = lists.allyList->item(row)->checkState() == Qt::Checked;
    return GetAllyList(choice, lists.owner);
}

} // namespace vornask

// Global T-classes: Qt reports "TOpponentTab", not "vornask::TOpponentTab".
using namespace vornask;

TPlayerTab::TPlayerTab() {
    moneyBox_ = MakeSpinEdit(QStringLiteral("MyStartMoneyBox"), kMinStartMoney, kMaxStartMoney,
                             kMoneyStep, MoneyHint());
    lists_ =
        MakeSideLists(this, MakeTechList(QStringLiteral("MyTechBox"), PlayerTechDisplayOrder()),
                      QStringLiteral("CheckBox1"), QStringLiteral("MyAllyListBox"), 1,
                      tr("Does the player have any friends?"));

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Money:")));
    left->addWidget(moneyBox_);
    left->addWidget(new QLabel(tr("Allies:")));
    left->addWidget(lists_.allyList);
    left->addStretch();
    LayOutTab(this, left, lists_);
}

void TPlayerTab::Show(const HumanPlayer& player) {
    moneyBox_->ShowValue(FromAnsi(player.myStartMoney).toInt());
    ShowSideLists(lists_, player.myTech, player.myAllyList);
}

QWidget* TPlayerTab::FirstInput() const {
    return moneyBox_;
}

std::string TPlayerTab::Money() const {
    return std::to_string(moneyBox_->Settle());
}

TOpponentTab::TOpponentTab(int side) : side_(side) {
    enableAI_ = MakeCheckBox(Numbered("EnableAI", side), tr("Enable this AI"));
    nameBox_ =
        MakeLineEdit(Numbered("AI", side, "NameBox"),
                     FromAnsi(MissionSettings::DefaultOpponentName(side)), tr("What's his name?"));
    moneyBox_ = MakeSpinEdit(Numbered("AI", side, "StartMoneyBox"), kMinStartMoney, kMaxStartMoney,
                             kMoneyStep, MoneyHint());
    advancedButton_ = new QPushButton(tr("Advanced"));
    advancedButton_->setObjectName(Numbered("AdvancedButton", side));
    lists_ = MakeSideLists(this, MakeTechList(Numbered("AI", side, "TechBox"), TableOrder()),
                           Numbered("CheckBox", side), Numbered("AI", side, "AllyListBox"), side,
                           tr("Does the AI have any friends?"));

    connect(enableAI_, &QCheckBox::toggled, this, [this](bool on) {
        EnableOrDisableAll();
        emit EnabledChanged(side_, on);
    });
    connect(advancedButton_, &QPushButton::clicked, this,
            [this] { emit AdvancedRequested(side_); });

    auto* left = new QVBoxLayout;
    left->addWidget(enableAI_);
    left->addWidget(new QLabel(tr("Name:")));
    left->addWidget(nameBox_);
    left->addWidget(new QLabel(tr("Money:")));
    left->addWidget(moneyBox_);
    left->addWidget(new QLabel(tr("Allies:")));
    left->addWidget(lists_.allyList);
    left->addStretch();
    left->addWidget(advancedButton_, 0, Qt::AlignLeft);
    LayOutTab(this, left, lists_);

    EnableOrDisableAll();
}

void TOpponentTab::EnableOrDisableAll() {
    const bool on = enableAI_->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(nameBox_), static_cast<QWidget*>(moneyBox_),
          static_cast<QWidget*>(lists_.allyList), static_cast<QWidget*>(lists_.techList),
          static_cast<QWidget*>(advancedButton_)})
        control->setEnabled(on);
    const QColor colour = on ? QColor(Qt::black) : QColor(128, 128, 128);
    SetTextColour(*lists_.techList, colour);
    SetTextColour(*lists_.allyList, colour);
}

void TOpponentTab::Show(const Opponent& opponent) {
    enableAI_->setChecked(opponent.enabled); // a checked box runs its handlers, as a click would
    ShowWhole(*nameBox_, FromAnsi(opponent.name));
    moneyBox_->ShowValue(FromAnsi(opponent.startMoney).toInt());
    ShowSideLists(lists_, opponent.tech, opponent.allyList);
}

QWidget* TOpponentTab::FirstInput() const {
    return enableAI_;
}

std::string TOpponentTab::Name(LostCharacters& lost) const {
    return Captured(nameBox_->text(), lost, {TextField::OpponentName, 0, side_});
}

std::string TOpponentTab::Money() const {
    return std::to_string(moneyBox_->Settle());
}
