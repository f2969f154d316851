// The reference tables as each page loads them when it is first shown: the tabs and the animal box it
// fills, the tables it keeps, the order of the page handlers, and the weapons tab captions as drawn.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <algorithm>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "test_support.h"

namespace kestrelle {
namespace {

using test::ShowMainForm;

std::vector<std::string> Captions(const ui::TabControl& tabs) {
  std::vector<std::string> captions;
  for (int i = 0; i < tabs.TabCount(); ++i) captions.push_back(tabs.TabCaption(i));
  return captions;
}

std::vector<std::string> Lines(const ui::ComboBox& box) {
  std::vector<std::string> lines;
  for (int i = 0; i < box.Count(); ++i) lines.push_back(box.Item(i));
  return lines;
}

TEST(ReferenceLoading, FillsTheTabsAndTheAnimalBoxWithTheFirstEntriesSelected) {
  auto form = ShowMainForm();
  const ui::TabControl& weapons = test::WeaponsPage(*form).tcWeapons;
  const ui::TabControl& armour = test::ArmourPage(*form).tcArmour;
  const ui::ComboBox& animals = test::AnimalsPage(*form).cbAnimals;

  EXPECT_EQ(Captions(weapons), (std::vector<std::string>{"Axes", "Bows", "Knives && Daggers", "Maces && Hammers",
                                                         "Pole Arms", "Spears && Forks", "Staves", "Swords"}));
  EXPECT_EQ(weapons.TabIndex(), 0);
  EXPECT_EQ(Captions(armour), (std::vector<std::string>{"Bone", "Chainmail", "Leather", "Plate", "Ringmail", "Studded",
                                                        "Helmets", "Shields"}));
  EXPECT_EQ(armour.TabIndex(), 0);

  const std::vector<std::string> lines = Lines(animals);
  ASSERT_EQ(lines.size(), 38u);
  EXPECT_EQ(lines.front(), "Alligator");
  EXPECT_EQ(lines.back(), "White Wolf");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Mountian Goat"), 1);
  EXPECT_EQ(animals.ItemIndex(), 0);
  EXPECT_EQ(animals.Text(), "Alligator");

  // Pages made through the window stay behind the Moongates page.
  EXPECT_EQ(form->tpMain.ActivePageIndex(), 0);
  EXPECT_TRUE(form->tsMoongate.Visible());
  EXPECT_FALSE(form->TabSheet1.Visible());
  EXPECT_FALSE(form->tsArmour.Visible());
  EXPECT_FALSE(form->Animals.Visible());
}

TEST(ReferenceLoading, TheWindowKeepsTheTablesByCategory) {
  auto form = ShowMainForm();
  std::vector<std::size_t> weaponCounts;
  for (const auto& category : test::WeaponsPage(*form).WeaponCategories) {
    weaponCounts.push_back(category.Items.size());
    EXPECT_EQ(category.Names.size(), category.Items.size());
    EXPECT_EQ(category.ItemIndex, 0);
  }
  EXPECT_EQ(weaponCounts, (std::vector<std::size_t>{8, 3, 5, 7, 2, 4, 4, 6}));

  std::size_t armourPieces = 0;
  for (const auto& category : test::ArmourPage(*form).ArmourCategories) {
    armourPieces += category.Items.size();
    EXPECT_FALSE(category.Items.empty());
    EXPECT_EQ(category.Names.size(), category.Items.size());
    EXPECT_EQ(category.ItemIndex, 0);
  }
  EXPECT_EQ(test::ArmourPage(*form).ArmourCategories.size(), 8u);
  EXPECT_EQ(armourPieces, 50u);
  ASSERT_EQ(test::AnimalsPage(*form).AnimalRecords.size(), 38u);

  // The ends of each table, field by field, so that a shifted record would show.
  const TWeaponRecord& executionersAxe = test::WeaponsPage(*form).WeaponCategories.front().Items.front();
  EXPECT_EQ(test::WeaponsPage(*form).WeaponCategories.front().Names.front(), "Executioner's Axe");
  EXPECT_EQ(executionersAxe.DamageMax(), 28);
  EXPECT_EQ(executionersAxe.HitPointsMax(), 90);
  EXPECT_EQ(executionersAxe.Weight(), 0);
  const TWeaponRecord& vikingSword = test::WeaponsPage(*form).WeaponCategories.back().Items.back();
  EXPECT_EQ(test::WeaponsPage(*form).WeaponCategories.back().Names.back(), "Viking Sword");
  EXPECT_EQ(vikingSword.StrengthRequired(), 40);
  EXPECT_EQ(vikingSword.Weight(), 6);

  const TArmourRecord& woodenShield = test::ArmourPage(*form).ArmourCategories.back().Items.back();
  EXPECT_EQ(test::ArmourPage(*form).ArmourCategories.back().Names.back(), "Wooden");
  EXPECT_EQ(woodenShield.ArmourRating(), 8);
  EXPECT_EQ(woodenShield.Weight(), 5);

  const TAnimalRecord& alligator = test::AnimalsPage(*form).AnimalRecords.front();
  EXPECT_EQ(alligator.DamageMax(), 14);
  EXPECT_EQ(alligator.Alignment(), 3);
  EXPECT_EQ(alligator.ItemFlags(), 3);
  const TAnimalRecord& whiteWolf = test::AnimalsPage(*form).AnimalRecords.back();
  EXPECT_EQ(whiteWolf.StrengthMax(), 80);
  EXPECT_EQ(whiteWolf.HitPointsMax(), 80);
  EXPECT_EQ(whiteWolf.ItemFlags(), 1);
}

// Each page's start fills its control, selects the first entry and then calls the page's change handler
// once, as if the user had chosen that entry; one page's start touches no other page.
TEST(ReferenceLoading, EachPageHandlerRunsOnceAfterItsPageIsFilled) {
  TMainForm form;
  TWeaponsPage weapons(form.TabSheet1);
  TArmourPage armour(form.tsArmour);
  TAnimalsPage animals(form.Animals);
  std::vector<std::string> calls;
  const auto record = [&](const char* handler) {
    calls.push_back(std::string(handler) + ": weapons " + std::to_string(weapons.tcWeapons.TabCount()) + "/" +
                    std::to_string(weapons.tcWeapons.TabIndex()) + ", armour " +
                    std::to_string(armour.tcArmour.TabCount()) + "/" + std::to_string(armour.tcArmour.TabIndex()) +
                    ", animals " + std::to_string(animals.cbAnimals.Count()) + "/" +
                    std::to_string(animals.cbAnimals.ItemIndex()));
  };
  weapons.tcWeapons.onChange = [&] { record("tcWeaponsChange"); };
  armour.tcArmour.onChange = [&] { record("tcArmourChange"); };
  animals.cbAnimals.onChange = [&] { record("cbAnimalsChange"); };
  for (ui::PageContent* page : std::vector<ui::PageContent*>{&weapons, &armour, &animals}) page->Start();
  EXPECT_EQ(calls, (std::vector<std::string>{
                       "tcWeaponsChange: weapons 8/0, armour 0/-1, animals 0/-1",
                       "tcArmourChange: weapons 8/0, armour 8/0, animals 0/-1",
                       "cbAnimalsChange: weapons 8/0, armour 8/0, animals 38/0",
                   }));
}

// The dark pixels of an area of a bitmap, cropped to the smallest rectangle that holds them all.
struct Ink {
  int width = 0;
  int height = 0;
  std::vector<bool> dark;  // row by row
  friend bool operator==(const Ink&, const Ink&) = default;
};

Ink InkIn(HDC dc, const RECT& area) {
  const auto isDark = [&](int x, int y) {
    const COLORREF c = GetPixel(dc, x, y);
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 96;
  };
  RECT box{area.right, area.bottom, area.left, area.top};
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (!isDark(x, y)) continue;
      box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
             std::max<LONG>(box.bottom, y + 1)};
    }
  }
  Ink ink;
  if (box.left >= box.right) return ink;
  ink.width = box.right - box.left;
  ink.height = box.bottom - box.top;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) ink.dark.push_back(isDark(x, y));
  }
  return ink;
}

// A memory drawing surface of the screen's format with a window's font selected.
class Canvas {
 public:
  Canvas(int width, int height, HFONT font) : dc_(CreateCompatibleDC(nullptr)) {
    HDC screen = GetDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    oldFont_ = SelectObject(dc_, font);
  }
  ~Canvas() {
    SelectObject(dc_, oldFont_);
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ oldBitmap_;
  HGDIOBJ oldFont_;
};

// A text in the tab control's font and colours, drawn exactly as given (no prefix processing).
Ink PlainTextInk(HFONT font, const std::string& text) {
  Canvas canvas(300, 40, font);
  RECT all{0, 0, 300, 40};
  FillRect(canvas.dc(), &all, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextColor(canvas.dc(), GetSysColor(COLOR_BTNTEXT));
  DrawTextA(canvas.dc(), text.c_str(), -1, &all, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
  return InkIn(canvas.dc(), all);
}

// What a tab of the tab control shows: the control paints itself into a bitmap, and the text is the ink
// inside the tab's rectangle less its frame.
Ink TabInk(const ui::TabControl& tabs, int index) {
  const HWND window = tabs.StripHandle();
  RECT client;
  GetClientRect(window, &client);
  Canvas canvas(client.right, client.bottom, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
  FillRect(canvas.dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
  SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
  RECT tab{};
  SendMessageA(window, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));
  InflateRect(&tab, -3, -3);
  return InkIn(canvas.dc(), tab);
}

// The stored caption "Knives && Daggers" is drawn with one ampersand. The other two captions with "&&" lie
// beyond the end of the single tab row at start, where the tab control's scroll arrows lead.
TEST(ReferenceLoading, TheThirdWeaponTabShowsASingleAmpersand) {
  auto form = ShowMainForm();
  const ui::TabControl& tabs = test::WeaponsPage(*form).tcWeapons;
  const auto font = reinterpret_cast<HFONT>(SendMessageA(tabs.StripHandle(), WM_GETFONT, 0, 0));
  const struct {
    int tab;
    const char* shown;
  } cases[] = {{0, "Axes"}, {1, "Bows"}, {2, "Knives & Daggers"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    const Ink drawn = TabInk(tabs, c.tab);
    const Ink expected = PlainTextInk(font, c.shown);
    ASSERT_GT(expected.width, 0);
    EXPECT_TRUE(drawn == expected) << "the tab's text is " << drawn.width << " x " << drawn.height
                                   << " pixels, \"" << c.shown << "\" would be " << expected.width << " x "
                                   << expected.height;
  }
}

}  // namespace
}  // namespace kestrelle
