// The Weapons, Armour and Animals pages driven as a player drives them: tabs and list entries chosen with
// the notifications the system sends, the zoom bar moved, radio items clicked and text typed.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "test_support.h"
#include "user_actions.h"

namespace kestrelle {
namespace {

using test::Press;
using test::Pump;
using Texts = std::vector<std::string>;

enum class Page { Weapons, Armour, Animals };

// What the three pages have alike, as a test drives them.
struct ReferencePage {
  ui::TabControl* tabs;  // none on the Animals page
  ui::ComboBox& items;
  ui::ScrollBar& zoom;
  ui::Image& picture;
  std::vector<ui::Panel*> panels;  // in the order the page fills them
};

class ReferencePagesTest : public testing::Test {
 protected:
  void SetUp() override { form_ = test::ShowMainForm(); }

  ReferencePage Of(Page page) {
    TWeaponsPage& w = test::WeaponsPage(*form_);
    TArmourPage& a = test::ArmourPage(*form_);
    TAnimalsPage& n = test::AnimalsPage(*form_);
    switch (page) {
      case Page::Weapons:
        return {&w.tcWeapons, w.cbWeapons, w.sbWeapons, w.imgWeapon,
                {&w.pnlWeaponDmg, &w.pnlWeaponHP, &w.pnlWeaponSpd, &w.pnlWeaponSkill, &w.pnlWeaponStr,
                 &w.pnlWeapon2H, &w.pnlWeaponWt}};
      case Page::Armour:
        return {&a.tcArmour, a.cbArmour, a.sbArmour, a.imgArmour,
                {&a.pnlArmourGend, &a.pnlArmourAC, &a.pnlArmourHP, &a.pnlArmourStr, &a.pnlArmourWt}};
      case Page::Animals:
        return {nullptr, n.cbAnimals, n.sbAnimals, n.imgAnimals,
                {&n.pnlAnimalDam, &n.pnlAnimalStr, &n.pnlAnimalDex, &n.pnlAnimalInt, &n.pnlAnimalAC,
                 &n.pnlAnimalAlign, &n.pnlAnimalHP, &n.pnlAnimalItems}};
    }
    throw std::logic_error("no such page");
  }

  static Texts PanelTexts(const ReferencePage& page) {
    Texts texts;
    for (const ui::Panel* panel : page.panels) texts.push_back(panel->Text());
    return texts;
  }

  void Choose(Page page, const std::string& tab, const std::string& item) {
    const ReferencePage p = Of(page);
    if (p.tabs != nullptr) {
      ASSERT_TRUE(test::ChooseTab(*p.tabs, tab)) << tab;
    }
    ASSERT_TRUE(test::ChooseItem(p.items, item)) << item;
    Pump();
  }

  static void Click(HWND button) {
    test::Click(button);
    Pump();
  }

  std::unique_ptr<TMainForm> form_;
};

// The first row is the page as it starts; the others choose their item first.
TEST_F(ReferencePagesTest, ItemsShowTheirStatistics) {
  const struct {
    Page page;
    const char* tab;
    const char* item;
    Texts panels;
  } cases[] = {
      {Page::Weapons, "", "Executioner's Axe", {"4 - 28", "31 - 90", "50", "Swordsmanship", "35", "Yes", "Unknown"}},
      {Page::Weapons, "Axes", "War Axe", {"8 - 33", "31 - 80", "35", "Mace Fighting", "35", "No", "8 Stone"}},
      {Page::Weapons, "Bows", "Bow", {"9 - 24", "31 - 60", "20", "Archery", "20", "Yes", "6 Stone"}},
      {Page::Weapons, "Knives && Daggers", "Dagger", {"3 - 12", "31 - 40", "55", "Fencing", "1", "No", "1 Stone"}},
      {Page::Weapons, "Maces && Hammers", "War Mace", {"6 - 34", "31 - 110", "30", "Mace Fighting", "30", "No", "17 Stone"}},
      {Page::Weapons, "Knives && Daggers", "Cleaver", {"3 - 12", "31 - 50", "25", "Swordsmanship", "10", "No", "Unknown"}},
      {Page::Armour, "Leather", "Gorget", {"Either", "13", "31 - 37", "10", "Unknown"}},
      {Page::Armour, "Plate", "Breast Plate", {"Either", "30", "51 - 65", "60", "10 Stone"}},
      {Page::Armour, "Helmets", "Orc Helm", {"Either", "20", "31 - 70", "0", "5 Stone"}},
      {Page::Armour, "Leather", "Skirt", {"Female", "13", "31 - 37", "10", "Unknown"}},
      {Page::Animals, "", "Hell Hound", {"3 - 15", "85 - 110", "70 - 90", "40 - 65", "12", "Evil", "85 - 110", "Meat,SulphurAsh"}},
      {Page::Animals, "", "Spider", {"2 - 14", "75 - 100", "75 - 90", "35 - 60", "6", "Evil", "75 - 100", "Meat,Silk"}},
      {Page::Animals, "", "Sheep", {"1 - 3", "21 - 49", "36 - 45", "16 - 20", "3", "Neutral", "21 - 49", "Meat,Wool"}},
      {Page::Animals, "", "Bird", {"1 - 1", "1 - 4", "26 - 35", "1 - 4", "0", "Neutral", "3 - 6", "Meat,Feathers"}},
      {Page::Animals, "", "Jackrabbit", {"1 - 2", "6 - 10", "26 - 38", "6 - 14", "8", "Neutral", "4 - 4", "Meat,Fur"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    if (c.tab[0] != '\0' || c.page == Page::Animals) Choose(c.page, c.tab, c.item);
    EXPECT_EQ(Of(c.page).items.Text(), c.item);
    EXPECT_EQ(PanelTexts(Of(c.page)), c.panels);
  }
}

// Each row moves the zoom bar after choosing the item (none: as the page starts); the bar rewrites the
// picture and nothing else.
TEST_F(ReferencePagesTest, PicturesAreZoomedFittedAndCentred) {
  const struct {
    Page page;
    const char* tab;
    const char* item;
    int zoom;
    ui::Rect picture;
  } cases[] = {
      {Page::Weapons, "", "", 20, {16, 24, 72, 56}},
      {Page::Weapons, "Pole Arms", "Halberd", 20, {5, 14, 94, 76}},
      {Page::Weapons, "Knives && Daggers", "Butcher Knife", 25, {31, 33, 42, 38}},
      {Page::Weapons, "Knives && Daggers", "Butcher Knife", 5, {48, 48, 8, 8}},
      {Page::Armour, "Bone", "Armor", 20, {7, 7, 90, 90}},
      {Page::Armour, "Bone", "Armor", 30, {5, 5, 94, 94}},
      {Page::Armour, "Bone", "Armor", 5, {41, 41, 22, 22}},
      {Page::Armour, "Leather", "Leggings", 30, {5, 17, 94, 70}},
      {Page::Animals, "", "Scorpion", 20, {5, 24, 149, 126}},
      {Page::Animals, "", "Scorpion", 30, {5, 24, 149, 126}},
      {Page::Animals, "", "Alligator", 20, {5, 51, 149, 71}},
      {Page::Animals, "", "Horse", 20, {13, 16, 134, 142}},
      {Page::Animals, "", "Horse", 30, {5, 8, 149, 158}},
      {Page::Animals, "", "Bird", 5, {76, 85, 8, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " at " + std::to_string(c.zoom));
    const ReferencePage page = Of(c.page);
    if (c.item[0] != '\0') Choose(c.page, c.tab, c.item);
    const std::string panel = page.panels.front()->Text();
    page.panels.front()->SetText("untouched");
    page.zoom.SetPosition(c.zoom);
    Pump();
    EXPECT_EQ(page.picture.Bounds(), c.picture);
    EXPECT_EQ(page.panels.front()->Text(), "untouched") << "the bar changes only the picture";
    page.panels.front()->SetText(panel);
  }
}

TEST_F(ReferencePagesTest, TheZoomStaysAndATabStartsAtItsFirstItem) {
  const struct {
    Page page;
    const char* tab;
    const char* item;
    const char* otherTab;
    const char* first;
  } cases[] = {
      {Page::Weapons, "Axes", "Double Axe", "Bows", "Executioner's Axe"},
      {Page::Armour, "Shields", "Order", "Helmets", "Buckler"},
  };
  for (const auto& c : cases) {
    const ReferencePage page = Of(c.page);
    Choose(c.page, c.tab, c.item);
    page.zoom.SetPosition(25);
    const Texts panels = PanelTexts(page);
    ASSERT_TRUE(test::ChooseTab(*page.tabs, c.otherTab) && test::ChooseTab(*page.tabs, c.tab));
    Pump();
    EXPECT_EQ(page.items.Text(), c.first);
    EXPECT_NE(PanelTexts(page), panels);
    EXPECT_EQ(page.zoom.Position(), 25);
  }
  EXPECT_EQ(test::WeaponsPage(*form_).imgWeapon.Bounds(), (ui::Rect{7, 17, 90, 70})) << "36 x 28 at 2.5";
}

// Both lookups: open, choose, read the description, Clear All, choose again, and return.
TEST_F(ReferencePagesTest, MagicLookups) {
  TWeaponsPage& w = test::WeaponsPage(*form_);
  TArmourPage& a = test::ArmourPage(*form_);
  struct Lookup {
    Page page;
    ui::Button& open;
    ui::Control& tabs;
    ui::Panel& panel;
    std::vector<ui::RadioGroup*> groups;
    ui::Memo& memo;
    ui::Button& clearAll;
    ui::Button& back;
  };
  const Lookup weapons{Page::Weapons, w.btnWpnMagic, w.tcWeapons, w.pnlWeaponMagic,
                       {&w.rgMagicWpnSkill, &w.rgMagicWpnDura, &w.rgMagicWpnDam, &w.rgMagicWpnMagic},
                       w.memoMagicWpnDescription, w.Button3, w.Button2};
  const Lookup armour{Page::Armour, a.btnArmourMagic, a.tcArmour, a.pnlArmourMagic,
                      {&a.rgMagicAmrDura, &a.rgMagicArmourAHP}, a.memoMagicAmr, a.Button4, a.Button1};
  const struct {
    const Lookup& lookup;
    const char* tab;
    const char* item;
    std::vector<int> choice;  // per group, -1 for none
    Texts lines;
  } cases[] = {
      {weapons, "Axes", "Axe", {-1, -1, 0, -1},
       {"An Axe of Ruin.", "This weapon will give an extra 1 points damage each hit.",
        "The odds of this weapon having these properties are 1 in 6."}},
      {weapons, "Bows", "Bow", {4, -1, -1, 9},  // the skill comes from the Skill panel
       {"A Supremely Accurate Bow of Thunder.", "This weapon will increase your Archery skill by 25 when used.",
        "This Bow may cast a Lightning spell on any foe it hits.",
        "The odds of this weapon having these properties are 1 in 5000."}},
      {armour, "Plate", "Breast Plate", {0, 0},
       {"Durable Plate Breast Plate of Defense.", "The armour class points are 5 points higher than normal.",
        "This armour has an extra 5 hit points.", "The odds of this armour having these properties are 1 in 23."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    const Lookup& l = c.lookup;
    Choose(l.page, c.tab, c.item);
    Click(l.open.Handle());
    EXPECT_FALSE(l.tabs.Visible());
    EXPECT_TRUE(l.panel.Visible());
    EXPECT_EQ(l.memo.Text(), "") << "the panel opens empty";
    for (std::size_t g = 0; g < l.groups.size(); ++g) {
      if (c.choice[g] >= 0) Click(l.groups[g]->ItemHandle(c.choice[g]));
    }
    std::string text;
    for (const std::string& line : c.lines) text += line + "\r\n";
    EXPECT_EQ(l.memo.Text(), text);
    EXPECT_TRUE(l.memo.WordWrap());

    l.memo.SetText("kept");
    const std::size_t chosen = static_cast<std::size_t>(std::find_if(c.choice.begin(), c.choice.end(),
                                                                     [](int i) { return i >= 0; }) - c.choice.begin());
    Click(l.groups[chosen]->ItemHandle(c.choice[chosen]));
    EXPECT_EQ(l.memo.Text(), "kept") << "choosing the chosen item again runs nothing";
    Click(l.clearAll.Handle());
    for (const ui::RadioGroup* group : l.groups) EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(l.memo.Text(), "");
    Click(l.groups[0]->ItemHandle(1));
    EXPECT_NE(l.memo.Text(), "") << "a fresh description after Clear All";
    Click(l.back.Handle());
    EXPECT_TRUE(l.tabs.Visible());
    EXPECT_FALSE(l.panel.Visible());
    EXPECT_EQ(l.groups[0]->ItemIndex(), -1) << "returning clears the choices";
    EXPECT_EQ(Of(l.page).items.Text(), c.item);
  }
}

TEST_F(ReferencePagesTest, TheWeaponsPageWorksFromTheKeyboard) {
  TWeaponsPage& page = test::WeaponsPage(*form_);
  form_->tpMain.SetActivePage(2);
  Pump();
  page.cbWeapons.SetFocus();
  Press(VK_DOWN);
  EXPECT_EQ(page.cbWeapons.Text(), "Axe") << "the arrows step through the weapons";
  EXPECT_EQ(page.pnlWeaponWt.Text(), "4 Stone");
  Press(VK_UP);
  EXPECT_EQ(page.cbWeapons.Text(), "Executioner's Axe");

  // Tab goes round the page and the window's page tabs: the Magic Lookup button, the page tabs, the
  // category tabs, the zoom bar, the weapon box.
  std::vector<HWND> visited;
  for (int i = 0; i < 5; ++i) {
    Press(VK_TAB);
    visited.push_back(GetFocus());
  }
  const HWND editOfBox = FindWindowExA(page.cbWeapons.Handle(), nullptr, "Edit", nullptr);
  EXPECT_EQ(visited, (std::vector<HWND>{page.btnWpnMagic.Handle(), form_->tpMain.Handle(), page.tcWeapons.StripHandle(),
                                        page.sbWeapons.Handle(), editOfBox}));

  SetFocus(page.tcWeapons.StripHandle());
  Press(VK_RIGHT);
  EXPECT_EQ(page.tcWeapons.TabIndex(), 1) << "the arrows on the tab strip change the category";
  EXPECT_EQ(page.cbWeapons.Text(), "Bow");
  page.sbWeapons.SetFocus();
  Press(VK_RIGHT);
  EXPECT_EQ(page.sbWeapons.Position(), 21);
  Press(VK_LEFT);
  Press(VK_LEFT);
  EXPECT_EQ(page.sbWeapons.Position(), 19);
}

// Typing searches the item box: the first item that begins with the text is shown, the text stays as
// typed, and a text that begins no item changes nothing. No error box ever comes.
TEST_F(ReferencePagesTest, TypingInAnItemBoxSearchesIt) {
  test::ErrorBoxWatcher watcher("Kestrelle");
  const struct {
    Page page;
    const char* typed;  // replaces the box's text; "" empties it
    const char* shown;  // the item shown afterwards
  } cases[] = {
      {Page::Weapons, "hat", "Hatchet"},     {Page::Weapons, "DOUBLE", "Double Axe"}, {Page::Weapons, "qq", "Double Axe"},
      {Page::Weapons, "", "Double Axe"},     {Page::Armour, "gaun", "Gauntlets"},     {Page::Armour, "xyz", "Gauntlets"},
      {Page::Animals, "grizz", "Grizzly Bear"}, {Page::Animals, "WHITE", "White Wolf"}, {Page::Animals, "zebra", "White Wolf"},
      {Page::Animals, "", "White Wolf"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    const ReferencePage page = Of(c.page);
    const HWND edit = FindWindowExA(page.items.Handle(), nullptr, "Edit", nullptr);
    page.items.SetFocus();
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CHAR, VK_BACK, 0);
    for (const char ch : std::string(c.typed)) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(ch), 0);
    Pump();
    EXPECT_EQ(page.items.Text(), c.typed) << "the text stays as typed";
    EXPECT_EQ(page.items.SelectedItem(), c.shown);
  }
  const TWeaponsPage& weapons = test::WeaponsPage(*form_);
  EXPECT_EQ(weapons.pnlWeaponDmg.Text(), "7 - 31") << "Double Axe";
  EXPECT_EQ(test::AnimalsPage(*form_).pnlAnimalHP.Text(), "55 - 80") << "White Wolf";
  test::WeaponsPage(*form_).btnWpnMagic.SetFocus();
  EXPECT_EQ(weapons.cbWeapons.Text(), "Double Axe") << "leaving the box completes the name";
  EXPECT_FALSE(watcher.Result().found) << "error box: " << watcher.Result().message;
}

}  // namespace
}  // namespace kestrelle
