#pragma once
// Sections and keys of "mlkpz.ini".
namespace quorvane::settings {

inline constexpr char kSettingsFileName[] = "mlkpz.ini";

inline constexpr char kOptionsSection[] = "xitong";
inline constexpr char kAutoSemicolonKey[] = "zdtjfh";
inline constexpr char kHintsKey[] = "mlts";
inline constexpr char kStayOnTopKey[] = "zzzq";
inline constexpr char kAddChineseNameKey[] = "tstjzwm";
inline constexpr char kCursorTrackingKey[] = "gbgz";
inline constexpr char kExpandedCategoryKey[] = "kuozhanxiang";

inline constexpr char kPanelSection[] = "shezhi";
inline constexpr char kWidthKey[] = "宽度";
inline constexpr char kHeightKey[] = "高度";
inline constexpr char kLeftKey[] = "横坐标";
inline constexpr char kTopKey[] = "纵坐标";
inline constexpr char kShrinkSpeedKey[] = "收缩速度";
inline constexpr char kDescriptionWindowKey[] = "提示窗";

inline constexpr char kTrueText[] = "真";
inline constexpr char kFalseText[] = "假";

}  // namespace quorvane::settings
