// List data into a tree list and a list box, and the tree's expansions saved and restored
// across rebuilds. The input is text, one line each:
//     <id>;<level>;<filter>;<text>;<expanded>   a row of list data (columns -3, -2, -1, 0, -4;
//                                               a missing field is a column the row lacks)
//     n<id>,<expanded>                          a saved expansion (may name no row at all)
//     f<filter>                                 the audit filter for the next rebuild
//     v<text>                                   the letter's value (the selected code)
// Levels, identifiers and filters are whatever the line says: bad levels and unknown keys are
// the point.

#include "FuzzQt.h"
#include "TableComplexData.h"

#include "controls/TControlDisplayInfo.h"
#include "controls/TdCListBox.h"
#include "controls/TdCTreeList.h"

#include "TcxKelTreeList.h"
#include "TcxListBox.h"
#include "qlettre.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kLettrage = 77;

struct Script
{
    std::vector<TableComplexData::Line> rows;
    std::vector<std::pair<long, bool>> saved;
    std::vector<long> filters;
    std::string value;
};

Script Read(const std::string& text)
{
    static const int kColumns[] = {TComplexData::kColumnId, TComplexData::kColumnNiveau,
                                   TComplexData::kColumnFilter, TComplexData::kColumnText,
                                   TComplexData::kColumnExpand};
    Script script;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line[0] == 'n') {
            char* end = nullptr;
            const long id = std::strtol(line.c_str() + 1, &end, 10);
            script.saved.emplace_back(id, end && *end == ',' && end[1] == '1');
        } else if (!line.empty() && line[0] == 'f') {
            script.filters.push_back(std::strtol(line.c_str() + 1, nullptr, 10));
        } else if (!line.empty() && line[0] == 'v') {
            script.value = line.substr(1);
        } else {
            TableComplexData::Line row;
            std::istringstream fields(line);
            std::string field;
            for (int column : kColumns)
                if (std::getline(fields, field, ';'))
                    row[column] = field;
            script.rows.push_back(row);
        }
    }
    return script;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 4096)
        return 0; // a few hundred rows say all a bigger list would
    FuzzQtApplication();
    const Script script = Read(std::string(reinterpret_cast<const char*>(data), size));

    structLettre* letters = nullptr;
    MetValeurLettre(AjouteLettre(&letters, kLettrage, 0, 0, 0, 1, 0), script.value.c_str());

    TcxKelTreeList tree;
    TdCTreeList treeControl;
    treeControl.m_lettrage = kLettrage;
    treeControl.m_component = &tree;
    treeControl.m_complexData = new TableComplexData(script.rows); // owned by the control

    auto record = std::make_unique<TControlDisplayInfo>();
    record->setCtrlId(kLettrage);
    for (const auto& [id, expanded] : script.saved)
        record->AddNodeInfo(new Framework::TNodeInfo(static_cast<int>(id), expanded));

    const auto rebuild = [&] {
        TControlDisplayInfo* info = record.get();
        treeControl.Update(info);
        if (info != record.get())
            record.reset(info);
        treeControl.LettrageVersEcran(letters, nullptr);
        treeControl.EcranVersLettrage(letters, nullptr);
        treeControl.SaveControlDisplay(record.get());
    };
    rebuild();
    for (long filter : script.filters) {
        treeControl.setFilter(static_cast<int>(filter));
        rebuild();
    }
    rebuild();

    TcxListBox list;
    TdCListBox listControl;
    listControl.m_lettrage = kLettrage;
    listControl.m_component = &list;
    listControl.m_complexData = new TableComplexData(script.rows);
    TControlDisplayInfo* none = nullptr;
    for (long filter : script.filters)
        listControl.setFilter(static_cast<int>(filter));
    listControl.Update(none);
    listControl.LettrageVersEcran(letters, nullptr);
    listControl.EcranVersLettrage(letters, nullptr);
    delete none;

    LibereLettre(&letters);
    return 0;
}
