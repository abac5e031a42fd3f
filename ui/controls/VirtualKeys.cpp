#include "VirtualKeys.h"

#include <algorithm>
#include <optional>
#include <span>
#include <utility>

namespace orvane {
namespace {

using KeyCode = std::pair<int, int>; // Qt key, virtual-key code

// Keys whose code is not their character's.
constexpr KeyCode NamedKeys[] = {
    {Qt::Key_Cancel, 3},
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, VirtualKey::Return},
    {Qt::Key_Enter, VirtualKey::Return},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, VirtualKey::Space},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, VirtualKey::Left},
    {Qt::Key_Up, VirtualKey::Up},
    {Qt::Key_Right, VirtualKey::Right},
    {Qt::Key_Down, VirtualKey::Down},
    {Qt::Key_Select, 41},
    {Qt::Key_Printer, 42},
    {Qt::Key_Execute, 43},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},
    {Qt::Key_Meta, 91},
    {Qt::Key_Super_L, 91},
    {Qt::Key_Super_R, 92},
    {Qt::Key_Menu, 93},
    {Qt::Key_Sleep, 95},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Back, 166},
    {Qt::Key_Forward, 167},
    {Qt::Key_Refresh, 168},
    {Qt::Key_Stop, 169},
    {Qt::Key_Search, 170},
    {Qt::Key_Favorites, 171},
    {Qt::Key_HomePage, 172},
    {Qt::Key_VolumeMute, 173},
    {Qt::Key_VolumeDown, 174},
    {Qt::Key_VolumeUp, 175},
    {Qt::Key_MediaNext, 176},
    {Qt::Key_MediaPrevious, 177},
    {Qt::Key_MediaStop, 178},
    {Qt::Key_MediaTogglePlayPause, 179},
    {Qt::Key_MediaPlay, 179},
    {Qt::Key_LaunchMail, 180},
    {Qt::Key_LaunchMedia, 181},
    {Qt::Key_Launch0, 182},
    {Qt::Key_Launch1, 183},
    {Qt::Key_Play, 250},
    {Qt::Key_Zoom, 251},
    // The input method's keys.
    {Qt::Key_Kana_Lock, 0x15},
    {Qt::Key_Kana_Shift, 0x15},
    {Qt::Key_Hangul, 0x15},
    {Qt::Key_Kanji, 0x19},
    {Qt::Key_Hangul_Hanja, 0x19},
    {Qt::Key_Henkan, 0x1C},
    {Qt::Key_Muhenkan, 0x1D},
    {Qt::Key_Mode_switch, 0x1F},
    {Qt::Key_Eisu_toggle, 0xF0},
    {Qt::Key_Eisu_Shift, 0xF0},
    {Qt::Key_Katakana, 0xF1},
    {Qt::Key_Hiragana, 0xF2},
    {Qt::Key_Hiragana_Katakana, 0xF2},
    {Qt::Key_Zenkaku_Hankaku, 0xF3},
    {Qt::Key_Hankaku, 0xF3},
    {Qt::Key_Zenkaku, 0xF4},
    {Qt::Key_Romaji, 0xF5},
};

// Punctuation by the key of the Japanese keyboard that carries it, shifted
// or not: the digits' keys, then the OEM keys.
constexpr KeyCode PunctuationKeys[] = {
    {Qt::Key_Exclam, '1'},       {Qt::Key_QuoteDbl, '2'},      {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},       {Qt::Key_Percent, '5'},       {Qt::Key_Ampersand, '6'},
    {Qt::Key_Apostrophe, '7'},   {Qt::Key_ParenLeft, '8'},     {Qt::Key_ParenRight, '9'},
    {Qt::Key_Colon, 0xBA},       {Qt::Key_Asterisk, 0xBA},     {Qt::Key_Semicolon, 0xBB},
    {Qt::Key_Plus, 0xBB},        {Qt::Key_Comma, 0xBC},        {Qt::Key_Less, 0xBC},
    {Qt::Key_Minus, 0xBD},       {Qt::Key_Equal, 0xBD},        {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},     {Qt::Key_Slash, 0xBF},        {Qt::Key_Question, 0xBF},
    {Qt::Key_At, 0xC0},          {Qt::Key_QuoteLeft, 0xC0},    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},   {Qt::Key_Backslash, 0xDC},    {Qt::Key_Bar, 0xDC},
    {Qt::Key_yen, 0xDC},         {Qt::Key_BracketRight, 0xDD}, {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_AsciiCircum, 0xDE}, {Qt::Key_AsciiTilde, 0xDE},   {Qt::Key_Underscore, 0xE2},
};

// The keypad's operators; its digits are NumPad0 (96) to NumPad9.
constexpr KeyCode KeypadKeys[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},   {Qt::Key_Comma, 0x6C},
    {Qt::Key_Minus, 0x6D},    {Qt::Key_Period, 0x6E}, {Qt::Key_Slash, 0x6F},
};

constexpr int FirstNumPadCode = 0x60;
constexpr int FirstFunctionKeyCode = 112; // F1
constexpr int FunctionKeyCount = 24;      // F1 .. F24

std::optional<int> lookUp(std::span<const KeyCode> table, int qtKey)
{
    const auto found = std::find_if(table.begin(), table.end(),
                                    [qtKey](const KeyCode& entry) { return entry.first == qtKey; });
    return found != table.end() ? std::optional<int>(found->second) : std::nullopt;
}

bool isDigit(int qtKey)
{
    return qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9;
}

} // namespace

int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        if (isDigit(qtKey))
            return FirstNumPadCode + (qtKey - Qt::Key_0);
        if (const std::optional<int> code = lookUp(KeypadKeys, qtKey))
            return *code;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || isDigit(qtKey))
        return qtKey; // Qt's codes for these are their ASCII codes
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + FunctionKeyCount)
        return FirstFunctionKeyCode + (qtKey - Qt::Key_F1);
    if (const std::optional<int> code = lookUp(NamedKeys, qtKey))
        return *code;
    return lookUp(PunctuationKeys, qtKey).value_or(VirtualKey::NoCode);
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? ShiftDown : 0) |
           (modifiers & Qt::ControlModifier ? 2 : 0) | (modifiers & Qt::AltModifier ? 4 : 0);
}

int buttonState(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

} // namespace orvane
