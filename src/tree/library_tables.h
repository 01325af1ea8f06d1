#pragma once
// Tables and columns of the library that the command tree reads and writes,
// and that export and import carry (with the hint words' table of hints/).
namespace quorvane::tree {

// Every table's key: rows are addressed by it.
inline constexpr char kIdColumn[] = "ID";

inline constexpr char kCategoryTable[] = "分类表";
inline constexpr char kCategoryNameColumn[] = "分类名";
inline constexpr char kCategoryNumberColumn[] = "序号";
inline constexpr char kCategoryParentColumn[] = "父类";

inline constexpr char kCommandTable[] = "命令库";
inline constexpr char kCommandNameColumn[] = "命令名";
inline constexpr char kChineseNameColumn[] = "中文名";
inline constexpr char kCommandCategoryColumn[] = "分类";

// Every table describes its rows in a column of this name; in 分类表 and 命令库
// it is stored escaped, in the hint words' table as typed.
inline constexpr char kDescriptionColumn[] = "说明";

}  // namespace quorvane::tree
