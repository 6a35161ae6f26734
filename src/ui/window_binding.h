// How every window of the program finds the object behind it: the object's address in the
// window's user data, set as the window is made and cleared as it goes. A window of one of the
// program's own classes takes its object from its creation data; a system control whose
// messages the program needs is hooked with its object. Either way the object's
// HandleMessage(window, message, wParam, lParam) gets the messages; a class makes this its
// friend to keep that member private.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace memo::ui {

class WindowBinding {
 public:
  // The window procedure of a class of the program's own: the object passed to
  // CreateWindowExW as its creation parameter gets every message from WM_NCCREATE on. It is
  // no longer bound once it gets WM_NCDESTROY, so it may delete itself there.
  template <typename T>
  static LRESULT CALLBACK OwnClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      Bind(window, reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    }
    auto* object = static_cast<T*>(BoundObject(window));
    if (!object) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) Bind(window, nullptr);
    return object->HandleMessage(window, message, wParam, lParam);
  }

  // The object of a live window of the class whose procedure is OwnClassProc<T>; nullptr for
  // any other window, and once the window is gone.
  template <typename T>
  static T* ObjectOf(HWND window) {
    if (!window || GetClassLongPtrW(window, GCLP_WNDPROC) !=
                       reinterpret_cast<ULONG_PTR>(&WindowBinding::OwnClassProc<T>)) {
      return nullptr;
    }
    return static_cast<T*>(BoundObject(window));
  }

  // Hooks a system control: the object sees each message first and hands it on to the
  // control with DefSubclassProc.
  template <typename T>
  static void Hook(HWND window, T* object) {
    Bind(window, object);
    SetWindowSubclass(window, &WindowBinding::HookProc<T>, 0, 0);
  }

 private:
  template <typename T>
  static LRESULT CALLBACK HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR) {
    auto* object = static_cast<T*>(BoundObject(window));
    if (message == WM_NCDESTROY) {
      RemoveWindowSubclass(window, &WindowBinding::HookProc<T>, 0);
      Bind(window, nullptr);
    }
    if (!object) return DefSubclassProc(window, message, wParam, lParam);
    return object->HandleMessage(window, message, wParam, lParam);
  }

  static void Bind(HWND window, void* object) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
  }
  static void* BoundObject(HWND window) {
    return reinterpret_cast<void*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
};

}  // namespace memo::ui
