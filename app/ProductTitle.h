#pragma once
// The program's name: the application title, the taskbar button and the About command show it.
namespace product {
inline constexpr char kTitle[] = "Tillora POS Stockdraw";
}  // namespace product
