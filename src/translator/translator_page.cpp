#include "translator/translator_page.h"

#include "app/main_form.h"

namespace kestrelle {
namespace {

const ui::FontSpec kMemoFont{"MS Sans Serif", -13};
const ui::FontSpec kStyleFont{"MS Sans Serif", -11};
const ui::LabelOptions kDelayLabel{.alignment = ui::Alignment::Right};

}  // namespace

TTranslatorPage::TTranslatorPage(TMainForm& owner, ui::TabSheet& page)
    : form(owner),
      tsSpeak(page),
      memoText(page, {1, 15, 201, 93}, "", {.scrollBars = ui::ScrollBars::Vertical, .font = kMemoFont}),
      Label1(page, {49, 0, 96, 14}, "TEXT TO TRANSMIT"),
      Label5(page, {52, 114, 98, 14}, "TEXT TRANSMITTED"),
      memoTranslated(page, {1, 129, 201, 93}, "",
                     {.scrollBars = ui::ScrollBars::Vertical, .readOnly = true, .tabStop = false, .font = kMemoFont}),
      rgSpeak(page, {206, 10, 105, 97}, "Speech Style",
              {.items = {"Normal", "Valley Girl", "Jive Talk", "Courtly"}, .font = kStyleFont}),
      Label3(page, {207, 119, 59, 13}, "Char Delay:", kDelayLabel),
      meCharDelay(page, {270, 112, 35, 22}, "  25", {.tabStop = false}),
      Label4(page, {206, 150, 59, 13}, "Line Delay:", kDelayLabel),
      meLineDelay(page, {270, 144, 35, 22}, "3000", {.tabStop = false}),
      btnTranslate(page, {212, 185, 96, 37}, "Translate") {
  memoText.SetHint("Type text to be translated and or sent here.");
  memoText.SetPopupMenu(&form.pmTranslate);
  memoTranslated.SetPopupMenu(&form.pmTranslate);
  // The page's event handlers are bound here once they exist (btnTranslate.onClick, rgSpeak.onClick,
  // memoText.onKeyPress and onMouseDown, memoTranslated.onMouseDown, the pmTranslate items' onClick).
}

}  // namespace kestrelle
