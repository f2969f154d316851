// The Weapons, Armour and Animals pages driven as a player drives them: tabs and list entries chosen with
// the notifications the system sends, the zoom bar moved, radio items clicked and text typed.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "test_support.h"

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
    TWeaponsPage& w = form_->weaponsPage;
    TArmourPage& a = form_->armourPage;
    TAnimalsPage& n = form_->animalsPage;
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

  // As the user clicks a tab (captions as stored, "Knives && Daggers").
  static void ChooseTab(ui::TabControl& tabs, const std::string& caption) {
    for (int i = 0; i < tabs.TabCount(); ++i) {
      if (tabs.TabCaption(i) != caption) continue;
      const HWND strip = tabs.StripHandle();
      SendMessageA(strip, TCM_SETCURSEL, static_cast<WPARAM>(i), 0);
      NMHDR header{strip, static_cast<UINT_PTR>(GetDlgCtrlID(strip)), TCN_SELCHANGE};
      SendMessageA(GetParent(strip), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
      Pump();
      return;
    }
    FAIL() << "no tab " << caption;
  }

  // As the user chooses an entry from the list.
  static void ChooseItem(ui::ComboBox& box, const std::string& item) {
    const LRESULT index = SendMessageA(box.Handle(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(item.c_str()));
    ASSERT_NE(index, CB_ERR) << item;
    SendMessageA(box.Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(box.Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box.Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box.Handle()));
    Pump();
  }

  void Choose(Page page, const std::string& tab, const std::string& item) {
    const ReferencePage p = Of(page);
    if (p.tabs != nullptr) ChooseTab(*p.tabs, tab);
    ChooseItem(p.items, item);
  }

  static void Click(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
    Pump();
  }

  // The memo's text for the given lines, each ended by a line break.
  static std::string MemoText(const Texts& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
  }

  std::unique_ptr<TMainForm> form_;
};

TEST_F(ReferencePagesTest, TheWeaponsPageStartsOnItsFirstWeapon) {
  const ReferencePage weapons = Of(Page::Weapons);
  EXPECT_EQ(weapons.tabs->TabIndex(), 0);
  EXPECT_EQ(weapons.items.Text(), "Executioner's Axe");
  EXPECT_EQ(PanelTexts(weapons), (Texts{"4 - 28", "31 - 90", "50", "Swordsmanship", "35", "Yes", "Unknown"}));
  EXPECT_EQ(weapons.picture.Bounds(), (ui::Rect{16, 24, 72, 56}));
  EXPECT_EQ(weapons.zoom.Position(), 20);
  EXPECT_EQ(form_->armourPage.cbArmour.Text(), "Armor");
  EXPECT_EQ(form_->animalsPage.cbAnimals.Text(), "Alligator");
}

TEST_F(ReferencePagesTest, ItemsShowTheirStatistics) {
  const struct {
    Page page;
    const char* tab;
    const char* item;
    Texts panels;
  } cases[] = {
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
    Choose(c.page, c.tab, c.item);
    EXPECT_EQ(Of(c.page).items.Text(), c.item);
    EXPECT_EQ(PanelTexts(Of(c.page)), c.panels);
  }
}

// Each row moves the zoom bar after choosing the item; the bar rewrites the picture and nothing else.
TEST_F(ReferencePagesTest, PicturesAreZoomedFittedAndCentred) {
  const struct {
    Page page;
    const char* tab;
    const char* item;
    int zoom;
    ui::Rect picture;
  } cases[] = {
      {Page::Weapons, "Pole Arms", "Halberd", 20, {5, 14, 94, 76}},
      {Page::Weapons, "Knives && Daggers", "Butcher Knife", 25, {31, 33, 42, 38}},
      {Page::Weapons, "Knives && Daggers", "Butcher Knife", 5, {48, 48, 8, 8}},
      {Page::Armour, "Bone", "Armor", 20, {7, 7, 90, 90}},
      {Page::Armour, "Bone", "Armor", 30, {5, 5, 94, 94}},
      {Page::Armour, "Bone", "Armor", 5, {41, 41, 22, 22}},
      {Page::Armour, "Leather", "Leggings", 30, {5, 17, 94, 70}},
      {Page::Animals, "", "Scorpion", 20, {-23, 0, 206, 174}},
      {Page::Animals, "", "Scorpion", 30, {-23, 0, 206, 174}},
      {Page::Animals, "", "Alligator", 20, {0, 49, 160, 76}},
      {Page::Animals, "", "Horse", 20, {13, 16, 134, 142}},
      {Page::Animals, "", "Horse", 30, {-2, 0, 164, 174}},
      {Page::Animals, "", "Bird", 5, {76, 85, 8, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " at " + std::to_string(c.zoom));
    const ReferencePage page = Of(c.page);
    Choose(c.page, c.tab, c.item);
    const Texts panels = PanelTexts(page);
    page.panels.front()->SetText("untouched");
    page.zoom.SetPosition(c.zoom);
    Pump();
    EXPECT_EQ(page.picture.Bounds(), c.picture);
    EXPECT_EQ(page.panels.front()->Text(), "untouched") << "the bar changes only the picture";
    page.panels.front()->SetText(panels.front());
  }
}

TEST_F(ReferencePagesTest, TheZoomStaysAndATabStartsAtItsFirstItem) {
  TWeaponsPage& weapons = form_->weaponsPage;
  ChooseItem(weapons.cbWeapons, "Double Axe");
  weapons.sbWeapons.SetPosition(25);
  ChooseTab(weapons.tcWeapons, "Bows");
  ChooseTab(weapons.tcWeapons, "Axes");
  EXPECT_EQ(weapons.cbWeapons.Text(), "Executioner's Axe");
  EXPECT_EQ(weapons.pnlWeaponDmg.Text(), "4 - 28");
  EXPECT_EQ(weapons.sbWeapons.Position(), 25);
  EXPECT_EQ(weapons.imgWeapon.Bounds(), (ui::Rect{7, 17, 90, 70})) << "36 x 28 at 2.5";

  TArmourPage& armour = form_->armourPage;
  Choose(Page::Armour, "Shields", "Order");
  ChooseTab(armour.tcArmour, "Helmets");
  ChooseTab(armour.tcArmour, "Shields");
  EXPECT_EQ(armour.cbArmour.Text(), "Buckler");
  EXPECT_EQ(armour.pnlArmourAC.Text(), "7");
}

TEST_F(ReferencePagesTest, WeaponMagicLookup) {
  TWeaponsPage& page = form_->weaponsPage;
  const std::vector<ui::RadioGroup*> groups{&page.rgMagicWpnSkill, &page.rgMagicWpnDura, &page.rgMagicWpnDam,
                                            &page.rgMagicWpnMagic};
  const struct {
    const char* tab;
    const char* weapon;
    std::vector<int> choice;  // per group, -1 for none
    Texts lines;
  } cases[] = {
      {"Axes", "Axe", {-1, -1, 0, -1},
       {"An Axe of Ruin.", "This weapon will give an extra 1 points damage each hit.",
        "The odds of this weapon having these properties are 1 in 6."}},
      {"Bows", "Bow", {4, -1, -1, 9},  // the skill comes from the Skill panel
       {"A Supremely Accurate Bow of Thunder.", "This weapon will increase your Archery skill by 25 when used.",
        "This Bow may cast a Lightning spell on any foe it hits.",
        "The odds of this weapon having these properties are 1 in 5000."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.weapon);
    Choose(Page::Weapons, c.tab, c.weapon);
    Click(page.btnWpnMagic.Handle());
    EXPECT_FALSE(page.tcWeapons.Visible());
    EXPECT_TRUE(page.pnlWeaponMagic.Visible());
    EXPECT_EQ(page.memoMagicWpnDescription.Text(), "") << "the panel opens empty";
    for (std::size_t g = 0; g < groups.size(); ++g) {
      if (c.choice[g] >= 0) Click(groups[g]->ItemHandle(c.choice[g]));
    }
    EXPECT_EQ(page.memoMagicWpnDescription.Text(), MemoText(c.lines));
    EXPECT_TRUE(page.memoMagicWpnDescription.WordWrap());

    Click(page.Button3.Handle());
    for (const ui::RadioGroup* group : groups) EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(page.memoMagicWpnDescription.Text(), "");
    Click(groups[0]->ItemHandle(4));
    EXPECT_NE(page.memoMagicWpnDescription.Text(), "") << "a fresh description after Clear All";
    Click(page.Button2.Handle());
    EXPECT_TRUE(page.tcWeapons.Visible());
    EXPECT_FALSE(page.pnlWeaponMagic.Visible());
    EXPECT_EQ(groups[0]->ItemIndex(), -1) << "returning clears the choices";
    EXPECT_EQ(page.cbWeapons.Text(), c.weapon);
  }
}

TEST_F(ReferencePagesTest, ArmourMagicLookup) {
  TArmourPage& page = form_->armourPage;
  const struct {
    const char* tab;
    const char* item;
    int armourClass;
    int hitPoints;
    Texts lines;
  } cases[] = {
      {"Bone", "Armor", 0, -1,
       {"Durable Bone Armor.", "The armour class points are 5 points higher than normal.",
        "The odds of this armour having these properties are 1 in 8."}},
      {"Plate", "Breast Plate", 0, 0,
       {"Durable Plate Breast Plate of Defense.", "The armour class points are 5 points higher than normal.",
        "This armour has an extra 5 hit points.", "The odds of this armour having these properties are 1 in 23."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    Choose(Page::Armour, c.tab, c.item);
    Click(page.btnArmourMagic.Handle());
    EXPECT_FALSE(page.tcArmour.Visible());
    EXPECT_TRUE(page.pnlArmourMagic.Visible());
    if (c.armourClass >= 0) Click(page.rgMagicAmrDura.ItemHandle(c.armourClass));
    if (c.hitPoints >= 0) Click(page.rgMagicArmourAHP.ItemHandle(c.hitPoints));
    EXPECT_EQ(page.memoMagicAmr.Text(), MemoText(c.lines));

    page.memoMagicAmr.SetText("kept");
    Click(page.rgMagicAmrDura.ItemHandle(c.armourClass >= 0 ? c.armourClass : 0));
    if (c.armourClass >= 0) {
      EXPECT_EQ(page.memoMagicAmr.Text(), "kept") << "choosing the chosen item again runs nothing";
    }
    Click(page.Button4.Handle());
    EXPECT_EQ(page.rgMagicAmrDura.ItemIndex(), -1);
    EXPECT_EQ(page.rgMagicArmourAHP.ItemIndex(), -1);
    EXPECT_EQ(page.memoMagicAmr.Text(), "");
    Click(page.Button1.Handle());
    EXPECT_TRUE(page.tcArmour.Visible());
    EXPECT_FALSE(page.pnlArmourMagic.Visible());
    EXPECT_EQ(page.cbArmour.Text(), c.item);
  }
}

TEST_F(ReferencePagesTest, TheWeaponsPageWorksFromTheKeyboard) {
  TWeaponsPage& page = form_->weaponsPage;
  form_->tpMain.SetActivePage(2);
  Pump();
  page.cbWeapons.SetFocus();
  Press(VK_DOWN);
  EXPECT_EQ(page.cbWeapons.Text(), "Axe") << "the arrows step through the weapons";
  EXPECT_EQ(page.pnlWeaponWt.Text(), "4 Stone");
  Press(VK_UP);
  EXPECT_EQ(page.cbWeapons.Text(), "Executioner's Axe");

  // Tab goes round the page: the tab strip, the zoom bar, the weapon box, the Magic Lookup button.
  std::vector<HWND> visited;
  for (int i = 0; i < 4; ++i) {
    Press(VK_TAB);
    visited.push_back(GetFocus());
  }
  const HWND editOfBox = FindWindowExA(page.cbWeapons.Handle(), nullptr, "Edit", nullptr);
  EXPECT_EQ(visited, (std::vector<HWND>{page.btnWpnMagic.Handle(), page.tcWeapons.StripHandle(),
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
  const TWeaponsPage& weapons = form_->weaponsPage;
  EXPECT_EQ(weapons.pnlWeaponDmg.Text(), "7 - 31") << "Double Axe";
  EXPECT_EQ(form_->animalsPage.pnlAnimalHP.Text(), "55 - 80") << "White Wolf";
  form_->weaponsPage.btnWpnMagic.SetFocus();
  EXPECT_EQ(weapons.cbWeapons.Text(), "Double Axe") << "leaving the box completes the name";
  EXPECT_FALSE(watcher.Result().found) << "error box: " << watcher.Result().message;
}

}  // namespace
}  // namespace kestrelle
