#include "record_fields.h"

#include "model/result_fields.h"

namespace rotavex {

std::string resultFieldList()
{
    constexpr std::size_t Width = 80;
    constexpr std::size_t MeaningColumn = 24;
    const std::vector<ResultField> &fields = resultFields();
    std::string list;
    for (std::size_t first = 0; first < fields.size();) {
        std::size_t end = first + 1;
        while (end < fields.size() && !*fields[end].meaning)
            ++end;
        const std::string indent = "  ";
        std::string line = indent;
        for (std::size_t i = first; i < end; ++i) {
            const std::string name = fields[i].name + std::string(i + 1 < end ? "," : "");
            if (line.size() > indent.size() && line.size() + 1 + name.size() > Width) {
                list += line + "\n";
                line = indent;
            } else if (line.size() > indent.size()) {
                line += ' ';
            }
            line += name;
        }
        if (end - first == 1 && line.size() + 2 <= MeaningColumn)
            list += line + std::string(MeaningColumn - line.size(), ' ');
        else
            list += line + "\n" + std::string(MeaningColumn, ' ');
        list += fields[first].meaning + std::string("\n");
        first = end;
    }
    return list;
}

}   // namespace rotavex
