#pragma once
// The library's table of hint words.
namespace quorvane::hints {

inline constexpr char kHintTable[] = "命令表";
inline constexpr char kHintWordColumn[] = "命令";
inline constexpr char kHintKeyColumn[] = "ID";

}  // namespace quorvane::hints
