// Owners of a menu and of an accelerator table.
#pragma once

#include <windows.h>

namespace tarumo {

// A menu from CreateMenu or CreatePopupMenu, destroyed with its submenus unless handed on
// with Release() to a window that then owns it.
class MenuHandle {
 public:
  explicit MenuHandle(HMENU menu) noexcept : menu_(menu) {}
  ~MenuHandle() {
    if (menu_) ::DestroyMenu(menu_);
  }
  MenuHandle(MenuHandle&& other) noexcept : menu_(other.Release()) {}
  MenuHandle& operator=(MenuHandle&& other) noexcept {
    if (this != &other) {
      if (menu_) ::DestroyMenu(menu_);
      menu_ = other.Release();
    }
    return *this;
  }
  MenuHandle(const MenuHandle&) = delete;
  MenuHandle& operator=(const MenuHandle&) = delete;

  explicit operator bool() const noexcept { return menu_ != nullptr; }
  HMENU get() const noexcept { return menu_; }
  HMENU Release() noexcept {
    HMENU menu = menu_;
    menu_ = nullptr;
    return menu;
  }

 private:
  HMENU menu_;
};

// An accelerator table from CreateAcceleratorTableA.
class AcceleratorTable {
 public:
  explicit AcceleratorTable(HACCEL table = nullptr) noexcept : table_(table) {}
  ~AcceleratorTable() {
    if (table_) ::DestroyAcceleratorTable(table_);
  }
  AcceleratorTable(AcceleratorTable&& other) noexcept : table_(other.table_) {
    other.table_ = nullptr;
  }
  AcceleratorTable& operator=(AcceleratorTable&& other) noexcept {
    if (this != &other) {
      if (table_) ::DestroyAcceleratorTable(table_);
      table_ = other.table_;
      other.table_ = nullptr;
    }
    return *this;
  }
  AcceleratorTable(const AcceleratorTable&) = delete;
  AcceleratorTable& operator=(const AcceleratorTable&) = delete;

  explicit operator bool() const noexcept { return table_ != nullptr; }
  HACCEL get() const noexcept { return table_; }

 private:
  HACCEL table_;
};

}  // namespace tarumo
