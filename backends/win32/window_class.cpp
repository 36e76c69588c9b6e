// The main window: class registration with its procedure thunk, creation,
// the message loop and the default procedure.
#include <vector>

#include "backends/win32/dpi_scale.h"
#include "backends/win32/keyboard.h"
#include "backends/win32/procedure_thunk.h"
#include "backends/win32/static_colours.h"
#include "backends/win32/static_double_click.h"
#include "backends/win32/win32_handles.h"

namespace {

// The toolkit procedure of each registered class, found by class atom (the
// class has no extra bytes to keep it in).
struct RegisteredClass {
  ATOM atom = 0;
  tk::WindowProc procedure = nullptr;
};
std::vector<RegisteredClass>& RegisteredClasses() {
  static std::vector<RegisteredClass> classes;
  return classes;
}

tk::WindowProc ProcedureOf(HWND window) {
  const auto atom = static_cast<ATOM>(GetClassWord(window, GCW_ATOM));
  for (const RegisteredClass& registered : RegisteredClasses())
    if (registered.atom == atom) return registered.procedure;
  return nullptr;
}

LRESULT CALLBACK WindowThunk(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const tk::WindowProc procedure = ProcedureOf(window);
  if (procedure == nullptr) return DefWindowProcA(window, message, wparam, lparam);
  LRESULT result = 0;
  if (win32tk::ForwardStaticDoubleClick(window, message, wparam, lparam, &result)) return result;
  if (win32tk::AnswerSurfaceColours(window, message, wparam, lparam, &result)) return result;
  return win32tk::CallProcedure(procedure, window, message, wparam, lparam);
}

}  // namespace

namespace tk {

using namespace win32tk;

bool RegisterWindowClass(Instance instance, const WindowClass& window_class) {
  const std::string name = Terminated(window_class.name);
  const HINSTANCE module = Hinstance(instance);
  WNDCLASSEXA description{};
  description.cbSize = sizeof description;
  description.style = window_class.style;
  description.lpfnWndProc = WindowThunk;
  description.hInstance = module;
  description.hIcon = LoadIconA(module, ResourceName(window_class.icon_resource));
  description.hIconSm = static_cast<HICON>(LoadImageA(module, ResourceName(window_class.icon_resource), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  description.hCursor = LoadCursorA(nullptr, ResourceName(32512));  // IDC_ARROW
  description.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(window_class.background_brush));
  description.lpszClassName = name.c_str();
  const ATOM atom = RegisterClassExA(&description);
  if (atom == 0) return false;
  RegisteredClasses().push_back({atom, window_class.procedure});
  return true;
}

Window CreateTopWindow(std::string_view class_name, std::string_view title, std::uint32_t style, int x, int y,
                       int width, int height, Instance instance) {
  const auto place = [](int at) { return at == CW_USEDEFAULT ? at : Scaled(at); };
  return ToWindow(CreateWindowExA(0, Terminated(class_name).c_str(), Terminated(title).c_str(), style, place(x),
                                  place(y), Scaled(width), Scaled(height), nullptr, nullptr, Hinstance(instance),
                                  nullptr));
}

void ShowTopWindow(Window window, int show_command) { ShowWindow(Hwnd(window), show_command); }

Rect ClientRect(Window window) {
  RECT rect{};
  GetClientRect(Hwnd(window), &rect);
  return {Unscaled(rect.left), Unscaled(rect.top), Unscaled(rect.right), Unscaled(rect.bottom)};
}

int RunMessageLoop() {
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);  // WM_QUIT
    if (got == -1) return 1;  // the queue is unusable: end rather than spin
    if (win32tk::DeliverGreyedStaticDoubleClick(message)) continue;
    if (win32tk::DeliverWindowKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void PostQuit(int exit_code) { PostQuitMessage(exit_code); }

std::intptr_t DefaultWindowProc(Window window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
  return DefWindowProcA(Hwnd(window), message, wparam, lparam);
}

Instance WindowInstance(Window window) {
  return ToInstance(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(Hwnd(window), GWLP_HINSTANCE)));
}

}  // namespace tk
