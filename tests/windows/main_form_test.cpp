// The main window as shown at start: size and placement rules, every control of the five pages, their
// fonts, the start state, and the pages made as they first come to the front.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "test_support.h"
#include "ui/access_keys.h"
#include "ui/font_face.h"
#include "user_actions.h"

namespace kestrelle {
namespace {

using test::Pump;

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

ui::Rect ClientOf(const ui::Control& control) { return control.ClientRect(); }

TEST(MainForm, HasItsFixedSizeAfterShowing) {
  auto form = test::ShowMainForm();
  EXPECT_EQ(ClientOf(*form), (ui::Rect{0, 0, 320, 267}));
  EXPECT_EQ(form->Bounds().width, 328);
  EXPECT_EQ(form->Bounds().height, 313);
  EXPECT_EQ(form->Text(), "Kestrelle");
}

TEST(MainForm, IsCentredOnThePrimaryDisplay) {
  auto form = test::ShowMainForm();
  EXPECT_EQ(form->Bounds().left, (ScreenWidth() - 328) / 2);
  EXPECT_EQ(form->Bounds().top, (ScreenHeight() - 313) / 2);
}

TEST(MainForm, AnyResizeSnapsBack) {
  auto form = test::ShowMainForm();
  const struct {
    int width;
    int height;
  } attempts[] = {{500, 400}, {100, 60}, {328, 600}, {600, 313}, {1, 1}};
  for (const auto& attempt : attempts) {
    SCOPED_TRACE(std::to_string(attempt.width) + " x " + std::to_string(attempt.height));
    SetWindowPos(form->Handle(), nullptr, 0, 0, attempt.width, attempt.height, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    EXPECT_EQ(form->Bounds().width, 328);
    EXPECT_EQ(form->Bounds().height, 313);
    EXPECT_EQ(ClientOf(*form), (ui::Rect{0, 0, 320, 267}));
  }
}

TEST(MainForm, MinimisingAndRestoringKeepsTheSize) {
  auto form = test::ShowMainForm();
  const ui::Rect before = form->Bounds();
  ShowWindow(form->Handle(), SW_MINIMIZE);
  Pump();
  ShowWindow(form->Handle(), SW_RESTORE);
  Pump();
  EXPECT_EQ(form->Bounds(), before);
  EXPECT_EQ(ClientOf(*form), (ui::Rect{0, 0, 320, 267}));
}

TEST(MainForm, EdgesCannotBeDragged) {
  auto form = test::ShowMainForm();
  const ui::Rect outer = form->Bounds();
  const POINT edges[] = {{outer.left + 1, outer.top + 100}, {outer.Right() - 2, outer.top + 100},
                         {outer.left + 100, outer.Bottom() - 2}, {outer.Right() - 2, outer.Bottom() - 2}};
  for (const POINT& at : edges) {
    const LRESULT hit = SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(hit, HTBORDER) << "at " << at.x << ", " << at.y;
  }
}

TEST(MainForm, MaximisingKeepsTheSizeInTheBottomRightCorner) {
  auto form = test::ShowMainForm();
  ShowWindow(form->Handle(), SW_MAXIMIZE);
  Pump();
  EXPECT_EQ(form->Bounds(), (ui::Rect{ScreenWidth() - 328, ScreenHeight() - 313, 328, 313}));
  ShowWindow(form->Handle(), SW_RESTORE);
  Pump();
  EXPECT_EQ(form->Bounds().width, 328);
  EXPECT_EQ(form->Bounds().height, 313);
}

// The layout as the window creates it, before the show handler and the tables fill anything in: the
// reference pages are made here on their sheets without their start, which loads the tables.
TEST(MainForm, EveryControlHasItsParentBoundsAndCaption) {
  TMainForm f;
  const TMoongatePage& m = test::MoongatePage(f);
  const TTranslatorPage& t = test::TranslatorPage(f);
  const TWeaponsPage w(f.TabSheet1);
  const TArmourPage a(f.tsArmour);
  const TAnimalsPage n(f.Animals);
  struct Row {
    const char* name;
    const ui::Control& control;
    const ui::Control& parent;
    ui::Rect bounds;
    std::string caption;
    std::vector<std::string> items = {};
  };
  const std::vector<std::string> towns = {"Moonglow", "Britain", "Jhelom", "Yew", "Minoc/Vesper", "Trinsic",
                                          "Skara Brae", "Magincia"};
  const Row rows[] = {
      {"tpMain", f.tpMain, f, {0, 0, 320, 267}, ""},
      {"tsMoongate", f.tsMoongate, f.tpMain, {4, 4, 312, 238}, "Moongates"},
      {"tsSpeak", f.tsSpeak, f.tpMain, {4, 4, 312, 238}, "Translator"},
      {"TabSheet1", f.TabSheet1, f.tpMain, {4, 4, 312, 238}, "Weapons"},
      {"tsArmour", f.tsArmour, f.tpMain, {4, 4, 312, 238}, "Armour"},
      {"Animals", f.Animals, f.tpMain, {4, 4, 312, 238}, "Animals"},
      // Moongates
      {"Label2", m.Label2, f.tsMoongate, {23, 4, 252, 27}, "MoonGate Schedules"},
      {"rgStart", m.rgStart, f.tsMoongate, {2, 32, 104, 171}, "Enter", towns},
      {"rgDest", m.rgDest, f.tsMoongate, {104, 32, 104, 171}, "Exit", towns},
      {"grpTimes", m.grpTimes, f.tsMoongate, {212, 33, 89, 145}, "Time Schedules"},
      {"cbByTime", m.cbByTime, f.tsMoongate, {211, 185, 89, 17}, "By Enter Time"},
      {"edtByTime", m.edtByTime, f.tsMoongate, {228, 183, 72, 22}, ""},
      // Translator
      {"Label3", t.Label3, f.tsSpeak, {207, 119, 59, 13}, "Char Delay:"},
      {"Label4", t.Label4, f.tsSpeak, {206, 150, 59, 13}, "Line Delay:"},
      {"Label1", t.Label1, f.tsSpeak, {49, 0, 96, 14}, "TEXT TO TRANSMIT"},
      {"Label5", t.Label5, f.tsSpeak, {52, 114, 98, 14}, "TEXT TRANSMITTED"},
      {"memoText", t.memoText, f.tsSpeak, {1, 15, 201, 93}, ""},
      {"btnTranslate", t.btnTranslate, f.tsSpeak, {212, 185, 96, 37}, "Translate"},
      {"rgSpeak", t.rgSpeak, f.tsSpeak, {206, 10, 105, 97}, "Speech Style", {"Normal", "Valley Girl", "Jive Talk", "Courtly"}},
      {"meCharDelay", t.meCharDelay, f.tsSpeak, {270, 112, 35, 22}, "  25"},
      {"meLineDelay", t.meLineDelay, f.tsSpeak, {270, 144, 35, 22}, "3000"},
      {"memoTranslated", t.memoTranslated, f.tsSpeak, {1, 129, 201, 93}, ""},
      // Weapons: magic panel
      {"pnlWeaponMagic", w.pnlWeaponMagic, f.TabSheet1, {0, 0, 312, 238}, ""},
      {"rgMagicWpnDam", w.rgMagicWpnDam, w.pnlWeaponMagic, {6, 97, 88, 80}, "Damage Modifiers",
       {"Ruin", "Might", "Force", "Power", "Vanquishing"}},
      {"rgMagicWpnDura", w.rgMagicWpnDura, w.pnlWeaponMagic, {175, 6, 130, 80}, "Durability Modifiers",
       {"Durable", "Substantial", "Massive", "Fortified", "Indestructible"}},
      {"rgMagicWpnSkill", w.rgMagicWpnSkill, w.pnlWeaponMagic, {7, 6, 166, 80}, "Skill Modifiers",
       {"Accurate", "Surpassingly Accurate", "Eminently Accurate", "Exceedingly Accurate", "Supremely Accurate"}},
      {"rgMagicWpnMagic", w.rgMagicWpnMagic, w.pnlWeaponMagic, {96, 97, 210, 80}, "Magic Spell Modifiers",
       {"Clumsiness", "Feeblemindedness", "Burning", "Weakness", "Wounding", "Ghoul's Touch", "Daemon's Breath", "Evil",
        "Mage's Bane", "Thunder"}},
      {"memoMagicWpnDescription", w.memoMagicWpnDescription, w.pnlWeaponMagic, {6, 179, 235, 55}, ""},
      {"Button2", w.Button2, w.pnlWeaponMagic, {247, 204, 59, 30}, "Weapons"},
      {"Button3", w.Button3, w.pnlWeaponMagic, {248, 181, 57, 20}, "Clear All"},
      // Weapons: statistics
      {"tcWeapons", w.tcWeapons, f.TabSheet1, {0, 0, 312, 238}, ""},
      {"Label6", w.Label6, w.tcWeapons, {124, 33, 86, 14}, "Damage:"},
      {"Label7", w.Label7, w.tcWeapons, {124, 63, 86, 14}, "Hit Points:"},
      {"Label8", w.Label8, w.tcWeapons, {124, 93, 86, 14}, "Speed:"},
      {"Label9", w.Label9, w.tcWeapons, {124, 124, 86, 14}, "Skill:"},
      {"Label10", w.Label10, w.tcWeapons, {124, 153, 86, 14}, "Req. Strength:"},
      {"Label11", w.Label11, w.tcWeapons, {124, 183, 86, 14}, "Two Handed:"},
      {"Label12", w.Label12, w.tcWeapons, {124, 213, 86, 14}, "Weight:"},
      {"pnlWeaponDmg", w.pnlWeaponDmg, w.tcWeapons, {212, 29, 88, 21}, " "},
      {"pnlWeaponHP", w.pnlWeaponHP, w.tcWeapons, {212, 59, 88, 21}, " "},
      {"pnlWeaponSpd", w.pnlWeaponSpd, w.tcWeapons, {212, 89, 88, 21}, " "},
      {"pnlWeaponSkill", w.pnlWeaponSkill, w.tcWeapons, {212, 119, 88, 21}, " "},
      {"pnlWeaponStr", w.pnlWeaponStr, w.tcWeapons, {212, 149, 88, 21}, " "},
      {"pnlWeapon2H", w.pnlWeapon2H, w.tcWeapons, {212, 179, 88, 21}, " "},
      {"pnlWeaponWt", w.pnlWeaponWt, w.tcWeapons, {212, 209, 88, 21}, " "},
      {"pnlWeaponDisplay", w.pnlWeaponDisplay, w.tcWeapons, {18, 40, 105, 105}, ""},
      {"imgWeapon", w.imgWeapon, w.pnlWeaponDisplay, {16, 8, 73, 73}, ""},
      {"cbWeapons", w.cbWeapons, w.tcWeapons, {7, 165, 129, 22}, ""},
      {"sbWeapons", w.sbWeapons, w.tcWeapons, {20, 144, 101, 12}, ""},
      {"btnWpnMagic", w.btnWpnMagic, w.tcWeapons, {32, 200, 75, 25}, "Magic Lookup"},
      // Armour: magic panel
      {"pnlArmourMagic", a.pnlArmourMagic, f.tsArmour, {0, 0, 312, 238}, ""},
      {"rgMagicArmourAHP", a.rgMagicArmourAHP, a.pnlArmourMagic, {152, 14, 153, 107}, "Durability Modifiers",
       {"Defense", "Guarding", "Hardening", "Fortification", "Invulnerability"}},
      {"rgMagicAmrDura", a.rgMagicAmrDura, a.pnlArmourMagic, {8, 14, 136, 107}, "AC Modifiers",
       {"Durable", "Substantial", "Massive", "Fortified", "Indestructible"}},
      {"memoMagicAmr", a.memoMagicAmr, a.pnlArmourMagic, {6, 132, 235, 106}, ""},
      {"Button1", a.Button1, a.pnlArmourMagic, {247, 200, 59, 30}, "Armour"},
      {"Button4", a.Button4, a.pnlArmourMagic, {248, 177, 57, 20}, "Clear All"},
      // Armour: statistics
      {"tcArmour", a.tcArmour, f.tsArmour, {0, 0, 312, 238}, ""},
      {"Label13", a.Label13, a.tcArmour, {124, 65, 86, 14}, "Armour Gender:"},
      {"Label14", a.Label14, a.tcArmour, {124, 93, 86, 14}, "Armour Rating:"},
      {"Label15", a.Label15, a.tcArmour, {124, 121, 86, 14}, "Hit Points:"},
      {"Label16", a.Label16, a.tcArmour, {124, 150, 86, 14}, "Req. Strength:"},
      {"Label17", a.Label17, a.tcArmour, {124, 179, 86, 14}, "Weight:"},
      {"pnlArmourGend", a.pnlArmourGend, a.tcArmour, {212, 60, 88, 21}, " "},
      {"pnlArmourAC", a.pnlArmourAC, a.tcArmour, {212, 89, 88, 21}, " "},
      {"pnlArmourHP", a.pnlArmourHP, a.tcArmour, {212, 117, 88, 21}, " "},
      {"pnlArmourStr", a.pnlArmourStr, a.tcArmour, {212, 146, 88, 21}, " "},
      {"pnlArmourWt", a.pnlArmourWt, a.tcArmour, {212, 175, 88, 21}, " "},
      {"pnlArmourDisplay", a.pnlArmourDisplay, a.tcArmour, {18, 40, 105, 105}, ""},
      {"imgArmour", a.imgArmour, a.pnlArmourDisplay, {16, 8, 73, 73}, ""},
      {"sbArmour", a.sbArmour, a.tcArmour, {20, 144, 101, 12}, ""},
      {"cbArmour", a.cbArmour, a.tcArmour, {7, 165, 129, 22}, ""},
      {"btnArmourMagic", a.btnArmourMagic, a.tcArmour, {32, 200, 75, 25}, "Magic Lookup"},
      // Animals
      {"Label18", n.Label18, f.Animals, {135, 7, 86, 14}, "Damage:"},
      {"Label19", n.Label19, f.Animals, {135, 35, 86, 14}, "Strength:"},
      {"Label20", n.Label20, f.Animals, {135, 66, 86, 14}, "Dexterity:"},
      {"Label21", n.Label21, f.Animals, {135, 95, 86, 14}, "Intelligence:"},
      {"Label22", n.Label22, f.Animals, {135, 124, 86, 14}, "Armour:"},
      {"Label23", n.Label23, f.Animals, {135, 153, 86, 14}, "Alignment:"},
      {"Label24", n.Label24, f.Animals, {135, 184, 86, 14}, "Hit Point:"},
      {"Label25", n.Label25, f.Animals, {135, 212, 86, 14}, "Items:"},
      {"pnlAnimalsDisplay", n.pnlAnimalsDisplay, f.Animals, {2, 2, 160, 174}, ""},
      {"imgAnimals", n.imgAnimals, n.pnlAnimalsDisplay, {16, 8, 113, 137}, ""},
      {"sbAnimals", n.sbAnimals, f.Animals, {2, 176, 160, 12}, ""},
      {"cbAnimals", n.cbAnimals, f.Animals, {6, 202, 154, 22}, ""},
      {"pnlAnimalDam", n.pnlAnimalDam, f.Animals, {223, 2, 88, 21}, " "},
      {"pnlAnimalStr", n.pnlAnimalStr, f.Animals, {223, 31, 88, 21}, " "},
      {"pnlAnimalDex", n.pnlAnimalDex, f.Animals, {223, 61, 88, 21}, " "},
      {"pnlAnimalInt", n.pnlAnimalInt, f.Animals, {223, 90, 88, 21}, " "},
      {"pnlAnimalAC", n.pnlAnimalAC, f.Animals, {223, 120, 88, 21}, " "},
      {"pnlAnimalAlign", n.pnlAnimalAlign, f.Animals, {223, 149, 88, 21}, " "},
      {"pnlAnimalHP", n.pnlAnimalHP, f.Animals, {223, 179, 88, 21}, " "},
      {"pnlAnimalItems", n.pnlAnimalItems, f.Animals, {223, 208, 88, 21}, " "},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_NE(row.control.Handle(), nullptr);
    EXPECT_EQ(GetParent(row.control.Handle()), row.parent.Handle());
    EXPECT_EQ(row.control.Parent(), &row.parent);
    EXPECT_EQ(row.control.Bounds(), row.bounds);
    EXPECT_EQ(ui::ShownCaption(row.control.Text()), row.caption) << "as shown, without the access key's mark";
    if (const auto* group = dynamic_cast<const ui::RadioGroup*>(&row.control)) {
      std::vector<std::string> items;
      for (int i = 0; i < group->Count(); ++i) items.push_back(group->Item(i));
      EXPECT_EQ(items, row.items);
    }
  }
}

struct FontSeen {
  std::string face;
  LONG height;
  bool bold;
};

FontSeen FontOf(const ui::Control& control) {
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
  return {font.lfFaceName, font.lfHeight, font.lfWeight >= FW_BOLD};
}

TEST(MainForm, ControlsUseTheirOwnFontOrTheWindowsFont) {
  auto form = test::ShowMainForm();
  const struct {
    const char* name;
    const ui::Control& control;
    const char* face;
    LONG height;
    bool bold;
  } rows[] = {
      {"tpMain", form->tpMain, "Arial", -11, false},
      {"cbByTime", test::MoongatePage(*form).cbByTime, "Arial", -11, false},
      {"Label2", test::MoongatePage(*form).Label2, "Courier New", -24, true},
      {"memoText", test::TranslatorPage(*form).memoText, "MS Sans Serif", -13, false},
      {"memoTranslated", test::TranslatorPage(*form).memoTranslated, "MS Sans Serif", -13, false},
      {"rgSpeak", test::TranslatorPage(*form).rgSpeak, "MS Sans Serif", -11, false},
      {"btnTranslate", test::TranslatorPage(*form).btnTranslate, "Arial", -11, false},
      {"Button2", test::WeaponsPage(*form).Button2, "Arial", -11, true},
      {"Button4", test::ArmourPage(*form).Button4, "Arial", -11, true},
      {"Label25", test::AnimalsPage(*form).Label25, "Arial", -11, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const FontSeen font = FontOf(row.control);
    EXPECT_EQ(font.face, ui::InstalledFace(row.face));
    EXPECT_EQ(font.height, row.height);
    EXPECT_EQ(font.bold, row.bold);
  }
}

TEST(MainForm, StartState) {
  auto form = test::ShowMainForm();
  EXPECT_EQ(form->tpMain.ActivePageIndex(), 0);
  EXPECT_TRUE(form->tsMoongate.Visible());
  for (int i = 1; i < form->tpMain.PageCount(); ++i) EXPECT_FALSE(form->tpMain.Page(i).Visible()) << i;

  const TMoongatePage& moongates = test::MoongatePage(*form);
  for (const ui::RadioGroup* group : {&moongates.rgStart, &moongates.rgDest}) {
    EXPECT_EQ(group->ItemIndex(), -1);
    for (int i = 0; i < group->Count(); ++i) {
      EXPECT_EQ(SendMessageA(group->ItemHandle(i), BM_GETCHECK, 0, 0), BST_UNCHECKED) << group->Text() << " " << i;
    }
  }
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE("pnlTimes entry " + std::to_string(i + 1));
    const auto& panel = test::MoongatePage(*form).pnlTimes[static_cast<std::size_t>(i)];
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Parent(), &moongates.grpTimes);
    EXPECT_EQ(GetParent(panel->Handle()), moongates.grpTimes.Handle());
    EXPECT_EQ(panel->Bounds(), (ui::Rect{8, 17 + 20 * i, 73, 21}));
    EXPECT_EQ(panel->Text(), "");
    EXPECT_EQ(panel->BackgroundColour().Resolve(), RGB(255, 255, 0));
    EXPECT_NE(GetWindowLongPtrA(panel->Handle(), GWL_STYLE) & WS_BORDER, 0);
  }
  EXPECT_FALSE(moongates.cbByTime.Checked());
  EXPECT_FALSE(moongates.edtByTime.Visible());

  const TTranslatorPage& translator = test::TranslatorPage(*form);
  EXPECT_EQ(translator.rgSpeak.ItemIndex(), 0);
  EXPECT_EQ(SendMessageA(translator.rgSpeak.ItemHandle(0), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(test::TranslatorPage(*form).pmtWordWrap.Checked());
  EXPECT_FALSE(test::TranslatorPage(*form).pmAutoTranslate.Checked());
  EXPECT_TRUE(translator.memoText.WordWrap());
  EXPECT_TRUE(translator.memoTranslated.WordWrap());
  EXPECT_TRUE(translator.memoTranslated.ReadOnly());
  EXPECT_EQ(translator.memoText.Hint(), "Type text to be translated and or sent here.");
  EXPECT_EQ(translator.memoText.AttachedPopupMenu(), &test::TranslatorPage(*form).pmTranslate);
  EXPECT_EQ(translator.memoTranslated.AttachedPopupMenu(), &test::TranslatorPage(*form).pmTranslate);
  const char* filter = "Text files (*.txt)|*.TXT|Any file (*.*)|*.*";
  EXPECT_EQ(test::TranslatorPage(*form).odTranslate.filter, filter);
  EXPECT_EQ(test::TranslatorPage(*form).sdTranslate.filter, filter);
  EXPECT_EQ(test::TranslatorPage(*form).odTranslate.title, "Open file for translation");
  EXPECT_EQ(test::TranslatorPage(*form).sdTranslate.title, "");

  for (const ui::Panel* magic : {&test::WeaponsPage(*form).pnlWeaponMagic, &test::ArmourPage(*form).pnlArmourMagic}) {
    EXPECT_FALSE(magic->Visible());
  }
  EXPECT_TRUE(test::WeaponsPage(*form).tcWeapons.Visible());
  EXPECT_TRUE(test::ArmourPage(*form).tcArmour.Visible());
  EXPECT_FALSE(test::WeaponsPage(*form).memoMagicWpnDescription.WordWrap());
  EXPECT_FALSE(test::ArmourPage(*form).memoMagicAmr.WordWrap());
  for (const ui::ScrollBar* zoom :
       {&test::WeaponsPage(*form).sbWeapons, &test::ArmourPage(*form).sbArmour, &test::AnimalsPage(*form).sbAnimals}) {
    EXPECT_EQ(zoom->Min(), 5);
    EXPECT_EQ(zoom->Max(), 30);
    EXPECT_EQ(zoom->Position(), 20);
  }
}

// Start-up makes only what it shows, the Moongates page; every other page is made when it first comes to
// the front and keeps its state from then on, and the about box waits for its first opening.
TEST(MainForm, APageIsMadeWhenFirstShownAndKeepsItsState) {
  auto form = test::ShowMainForm();
  const auto made = [&](int page) { return GetWindow(form->tpMain.Page(page).Handle(), GW_CHILD) != nullptr; };
  for (int i = 0; i < form->tpMain.PageCount(); ++i) EXPECT_EQ(made(i), i == 0) << i;
  EXPECT_EQ(FindWindowA(ui::Control::kFormClass, "About"), nullptr);
  form->tpMain.SetActivePage(2);
  for (int i = 1; i < form->tpMain.PageCount(); ++i) EXPECT_EQ(made(i), i == 2) << i;
  ui::ComboBox& weapons = test::WeaponsPage(*form).cbWeapons;
  const HWND weaponsBox = weapons.Handle();
  ASSERT_TRUE(test::ChooseItem(weapons, weapons.Item(2)));
  for (int i = 0; i < form->tpMain.PageCount(); ++i) {
    form->tpMain.SetActivePage(i);
    EXPECT_TRUE(made(i)) << i;
  }
  form->tpMain.SetActivePage(2);
  EXPECT_EQ(test::WeaponsPage(*form).cbWeapons.Handle(), weaponsBox);
  EXPECT_EQ(test::WeaponsPage(*form).cbWeapons.ItemIndex(), 2);
}

}  // namespace
}  // namespace kestrelle
