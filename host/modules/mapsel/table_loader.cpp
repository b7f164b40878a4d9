// Mapsel: the table loader. Its table file is text: the version on the first line, then one row of
// whitespace-separated numbers per line, every row as long as the first.
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/faults.h"
#include "host/module_export.h"
#include "host/ref_counted.h"
#include "interfaces/guids.h"
#include "interfaces/table_loader.h"

namespace host {
namespace {

class TableLoader : public RefCounted<IXXILoader> {
public:
    TableLoader() : RefCounted("IXXILoader") {}
};

class TableLoader2 : public RefCounted<IXXILoader2> {
public:
    TableLoader2() : RefCounted("IXXILoader2") {}

    bool Load(const char* path) override {
        rows_.clear();
        std::ifstream in(path ? path : "");
        if (!in || !(in >> version_)) return false;
        std::string line;
        std::getline(in, line);
        while (std::getline(in, line)) {
            std::istringstream fields(line);
            std::vector<int> row;
            for (int v; fields >> v;) row.push_back(v);
            if (row.empty()) continue;
            if (!rows_.empty() && row.size() != rows_.front().size()) return false;
            rows_.push_back(std::move(row));
        }
        return true;
    }
    int GetVersion() override { return version_; }
    int GetNumofRow() override { return static_cast<int>(rows_.size()); }
    int GetNumofDWORD() override { return rows_.empty() ? 0 : static_cast<int>(rows_.front().size()); }
    int Get(int row, int column) override {
        if (row < 0 || row >= GetNumofRow() || column < 0 || column >= GetNumofDWORD()) return 0;
        return rows_[row][column];
    }

private:
    int version_ = 0;
    std::vector<std::vector<int>> rows_;
};

}  // namespace
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid) return nullptr;
    if (*iid == IID_IXXILoader && !platform::should_fail("Mapsel.CreateInterface.IXXILoader")) return new host::TableLoader;
    if (*iid == IID_IXXILoader2 && !platform::should_fail("Mapsel.CreateInterface.IXXILoader2"))
        return new host::TableLoader2;
    return nullptr;
}
