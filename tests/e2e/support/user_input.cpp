#include "tests/e2e/support/user_input.h"

#include <gtest/gtest.h>

#include <vector>

namespace qm::e2e {

namespace {

INPUT KeyInput(WORD key, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  return input;
}

void Send(std::vector<INPUT> inputs) {
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  ASSERT_EQ(sent, inputs.size()) << "SendInput: " << GetLastError();
}

// Absolute mouse coordinates run from 0 to 65535 across the primary screen.
LONG Normalized(LONG pixel, int screenPixels) { return MulDiv(pixel, 65535, screenPixels - 1); }

}  // namespace

void PressHotkey(std::initializer_list<WORD> modifiers, WORD key, int keyDowns) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(KeyInput(modifier, false));
  for (int i = 0; i < keyDowns; ++i) inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
    inputs.push_back(KeyInput(*modifier, true));
  }
  Send(inputs);
}

void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
  }
  Send(inputs);
}

void PressKeyTimes(WORD key, int times) {
  for (int i = 0; i < times; ++i) PressKeys({key});
}

void MoveMouseTo(POINT point) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalized(point.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = Normalized(point.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  Send({input});
}

}  // namespace qm::e2e
