#include "text_fit_win32.h"

#include <cctype>
#include <cstdint>

#include "port/control_ids.h"
#include "port/toolkit.h"
#include "text_fit_walk.h"

namespace {

// Layout pixels at the desktop's DPI, as the program scales its own.
int Scaled(int pixels) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI) : pixels;
}

std::string Describe(const std::string& text, const SIZE& needed, const SIZE& has) {
  return "\"" + text + "\" needs " + std::to_string(needed.cx) + "x" + std::to_string(needed.cy) + " px, has " +
         std::to_string(has.cx) + "x" + std::to_string(has.cy);
}

// Source of the measure: the system's DrawText with DT_CALCRECT, as the controls paint.
// `text` in a box `width` wide (one line unless `format` wraps).
SIZE Measure(HDC dc, const std::string& text, UINT format, int width) {
  RECT rect{0, 0, width, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_CALCRECT);
  return {rect.right, rect.bottom};
}

// How the static control lays out its text by its style (0: no text drawn).
UINT StaticFormat(LONG_PTR style) {
  UINT format = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
  switch (style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT: format |= DT_WORDBREAK | DT_EXPANDTABS; break;
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: format |= DT_SINGLELINE | DT_EXPANDTABS; break;
    default: return 0;
  }
  if (style & (SS_CENTERIMAGE | SS_ELLIPSISMASK)) format = (format & ~static_cast<UINT>(DT_WORDBREAK)) | DT_SINGLELINE;
  return format;
}

// Why a control's text does not fit its client area, or "". A static
// breaks its lines at spaces from its top left and cuts what falls outside;
// a button or drop-down list shows one line (a push button keeps 3 pixels
// each side, a check box its box and a gap, a drop-down list its arrow); an
// edit without a scroll bar wraps inside a 1-pixel margin.
std::string DoesNotFit(HDC dc, HWND control, const std::string& class_name, const std::string& text) {
  RECT client{};
  GetClientRect(control, &client);
  const SIZE has{client.right, client.bottom};
  const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
  const auto fits = [&](UINT format, int width, int height) -> std::string {
    const SIZE needed = Measure(dc, text, format, width);
    if (needed.cx <= width && needed.cy <= height) return "";
    const UINT one_line = (format & ~static_cast<UINT>(DT_WORDBREAK | DT_EDITCONTROL)) | DT_SINGLELINE;
    return Describe(text, needed, {width, height}) + " (" + std::to_string(Measure(dc, text, one_line, width).cx) +
           " px on one line)";
  };
  if (class_name == "static") {
    const UINT format = StaticFormat(style);
    return format == 0 ? "" : fits(format, has.cx, has.cy);
  }
  if (class_name == "button") {
    const LONG_PTR kind = style & BS_TYPEMASK;
    if (kind == BS_GROUPBOX) return fits(DT_SINGLELINE, has.cx - Scaled(16), has.cy);
    const bool box = kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_RADIOBUTTON ||
                     kind == BS_AUTORADIOBUTTON || kind == BS_3STATE || kind == BS_AUTO3STATE;
    const int margin = box ? GetSystemMetrics(SM_CXMENUCHECK) + Scaled(4) : Scaled(6);
    return fits((style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE, has.cx - margin, has.cy);
  }
  if (class_name == "edit") {
    if ((style & WS_VSCROLL) || !(style & ES_MULTILINE)) return "";
    return fits(DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX, has.cx - 2, has.cy - 2);
  }
  if (class_name == "combobox") {
    if ((style & 3) == CBS_SIMPLE) return "";  // a list: it scrolls
    return fits(DT_SINGLELINE | DT_NOPREFIX, has.cx - GetSystemMetrics(SM_CXVSCROLL) - Scaled(6), has.cy);
  }
  return "";
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string ServerText(HWND window) {
  std::wstring wide(1024, L'\0');
  wide.resize(static_cast<std::size_t>(InternalGetWindowText(window, wide.data(), static_cast<int>(wide.size()))));
  return ToCp1252(wide);
}

class Win32FitSubject final : public FitSubject {
 public:
  Win32FitSubject(HANDLE process, HWND main_window, const Win32FitActions& actions)
      : process_(process), main_(main_window), actions_(actions), dc_(CreateCompatibleDC(nullptr)) {
    // The font the program gives every control of its pages.
    previous_font_ = SelectObject(dc_, reinterpret_cast<HGDIOBJ>(tk::StockGuiFont().value));
    pokemon_ = ComboEntries(GetDlgItem(main_, kPokemonListId)).value_or(std::vector<std::string>());
  }
  ~Win32FitSubject() override {
    SelectObject(dc_, previous_font_);
    DeleteDC(dc_);
  }
  Win32FitSubject(const Win32FitSubject&) = delete;
  Win32FitSubject& operator=(const Win32FitSubject&) = delete;

  int TabCount() override { return Ask(GetDlgItem(main_, kPageTabsId), TCM_GETITEMCOUNT).value_or(0); }
  std::string ShowTab(int tab) override {
    const std::string failure = actions_.show_tab(tab);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    const auto got = SendRemote(process_, GetDlgItem(main_, kPageTabsId), TCM_GETITEMA, static_cast<WPARAM>(tab), item);
    const std::string name = got && got->answer != FALSE ? got->text : "tab " + std::to_string(tab);
    return failure.empty() ? name : name + " (not shown: " + failure + ")";
  }
  int PokemonCount() override { return static_cast<int>(pokemon_.size()); }
  std::string ShowPokemon(int row) override {
    const std::string failure = actions_.show_pokemon(row);
    const std::string& name = pokemon_[static_cast<std::size_t>(row)];
    return failure.empty() ? name : name + " (not shown: " + failure + ")";
  }
  std::vector<Shown> VisibleControls() override {
    shown_.clear();
    std::vector<Shown> controls;
    for (HWND child : DirectChildren(main_)) {
      if (!IsWindowVisible(child)) continue;
      const std::string class_name = Lower(ClassName(child));
      // A static's text is its window text, which the system keeps: read
      // without a message to the program, thousands of times over.
      const std::string text = class_name == "static" ? ServerText(child) : WindowText(child).value_or("");
      if (text.empty()) continue;
      RECT client{};
      GetClientRect(child, &client);
      const auto style = static_cast<std::uint32_t>(GetWindowLongPtrA(child, GWL_STYLE));
      shown_.push_back({child, class_name, text});
      controls.push_back({class_name + " " + std::to_string(GetDlgCtrlID(child)),
                          class_name + " " + std::to_string(style & 0xFFFFu) + " " + std::to_string(client.right) +
                              "x" + std::to_string(client.bottom) + " " + text});
    }
    return controls;
  }
  std::string DoesNotFit(std::size_t n) override {
    return ::DoesNotFit(dc_, shown_[n].window, shown_[n].class_name, shown_[n].text);
  }

 private:
  struct Control {
    HWND window;
    std::string class_name;
    std::string text;
  };
  HANDLE process_;
  HWND main_;
  const Win32FitActions& actions_;
  HDC dc_;
  HGDIOBJ previous_font_ = nullptr;
  std::vector<std::string> pokemon_;
  std::vector<Control> shown_;
};

}  // namespace

std::vector<std::string> Win32TextsThatDoNotFit(HANDLE process, HWND main_window, const Win32FitActions& actions,
                                                const std::vector<std::string>& allowed) {
  Win32FitSubject subject(process, main_window, actions);
  return WalkTextFit(subject, allowed);
}
