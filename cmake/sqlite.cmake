# SQLite: on Linux the system library; for the Windows build either SQLite's
# amalgamation (made by scripts/fetch-sqlite) or any SQLite3 package that
# find_package can see (for example vcpkg's, when building with Visual Studio).
if(QUORVANE_SQLITE_AMALGAMATION)
  add_library(quorvane_sqlite STATIC ${QUORVANE_SQLITE_AMALGAMATION}/sqlite3.c)
  target_include_directories(quorvane_sqlite SYSTEM PUBLIC ${QUORVANE_SQLITE_AMALGAMATION})
  target_compile_definitions(quorvane_sqlite PUBLIC SQLITE_THREADSAFE=0 SQLITE_OMIT_LOAD_EXTENSION
                             SQLITE_DEFAULT_FOREIGN_KEYS=0 SQLITE_DQS=0)
  add_library(SQLite::SQLite3 ALIAS quorvane_sqlite)
else()
  find_package(SQLite3 REQUIRED)
endif()
