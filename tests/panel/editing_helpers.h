#pragma once
// Reading what the panel did to its tree and its library, for the tests of
// library editing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel_world.h"
#include "tree/tree_model.h"

namespace quorvane::testing {

// The model as indented labels, one line per item in index order: the whole
// tree, whatever the control has been shown of it.
inline std::string modelOutline(PanelWorld& w) {
    const tree::TreeModel& model = w.panel->commandTree();
    std::string text;
    for (int i = 0; i < model.count(); ++i)
        text += std::string(static_cast<std::size_t>(2 * (model.depth(i) - 1)), ' ') + model.label(i) + "\n";
    return text;
}

// Selects the first item with this label as the program would; fails the test when there is none.
inline int selectItem(PanelWorld& w, const std::string& label) {
    tree::TreeModel& model = w.panel->commandTree();
    for (int i = 0; i < model.count(); ++i) {
        if (model.label(i) != label) continue;
        model.setSelected(i);
        return i;
    }
    ADD_FAILURE() << "no item labelled " << label << " in\n" << modelOutline(w);
    return -1;
}

// Each row of a table as its fields joined by "|", in row order, as stored.
inline std::vector<std::string> tableRows(PanelWorld& w, const char* table, const std::vector<std::string>& fields) {
    std::vector<std::vector<std::string>> cells;
    const int rows = w.db.ReadTable(cells, table, fields, "");
    std::vector<std::string> joined;
    for (int r = 0; r < rows; ++r) {
        std::string line;
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (f > 0) line += '|';
            line += cells[static_cast<std::size_t>(r)][f];
        }
        joined.push_back(line);
    }
    return joined;
}

inline std::vector<std::string> categoryRows(PanelWorld& w) {
    return tableRows(w, "分类表", {"分类名", "序号", "父类", "说明"});
}
inline std::vector<std::string> commandRows(PanelWorld& w) {
    return tableRows(w, "命令库", {"命令名", "中文名", "分类", "说明"});
}

}  // namespace quorvane::testing
