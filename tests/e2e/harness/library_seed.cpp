#include "harness/library_seed.h"

#include "store/db_connection.h"
#include "store/library_file.h"

namespace quorvane::e2e {

bool seedLibrary(const std::filesystem::path& file, const std::vector<std::string>& statements,
                 const std::string& password) {
    const std::string key = password.empty() ? std::string(store::kLibraryPassword) : password;
    if (!store::createLibrary(file, key)) return false;
    store::DbConnection db;
    if (!db.open(file, key)) return false;
    for (const auto& statement : statements)
        if (!db.execute(statement)) return false;
    db.close();
    return true;
}

}  // namespace quorvane::e2e
