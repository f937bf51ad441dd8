// The access library itself: natively the linked code, under the windows
// preset the real tqdata.dbd loaded by LoadLibraryW.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "store/access.h"
#include "store/tests/test_database.h"

namespace crv {
namespace {

class AccessLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        library = Access_Library();
        ASSERT_NE(library, nullptr);
        folder = std::filesystem::temp_directory_path() /
                 ("crv_access_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
        path = (folder / "lib.ocx").string();
        { std::ofstream create(path, std::ios::binary); }
        library->open(path.c_str(), &handle);
        ASSERT_NE(handle, 0);
    }
    void TearDown() override {
        if (handle) library->close(handle);
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    // Runs sql; returns the status and fills cells (names row first).
    int Run(const std::string& sql, std::vector<std::vector<const char*>>& cells, std::string& error) {
        const char* const* table = nullptr;
        std::int32_t columns = -1;
        const char* error_text = nullptr;
        int status = library->get_table(handle, sql.c_str(), &table, &columns, &error_text);
        error = error_text ? error_text : "<null>";
        cells.clear();
        if (status == 0 && columns > 0) {
            std::int32_t rows = library->number_of_rows_from_last_call();
            for (std::int32_t r = 0; r <= rows; ++r)
                cells.emplace_back(table + r * columns, table + (r + 1) * columns);
        }
        return status;
    }

    const AccessLibrary* library = nullptr;
    std::filesystem::path folder;
    std::string path;
    std::int32_t handle = 0;
};

TEST_F(AccessLibraryTest, WritesAndReadsBackTheNamesRowFirst) {
    std::vector<std::vector<const char*>> cells;
    std::string error;
    ASSERT_EQ(Run("CREATE TABLE T (ID INTEGER PRIMARY KEY, NAME TEXT, NOTE TEXT)", cells, error), 0) << error;
    EXPECT_EQ(error, "");
    ASSERT_EQ(Run("INSERT INTO T (NAME, NOTE) VALUES ('Zoë', ''), ('O''Brien''s PC', NULL), ('Пётр', 'x')", cells,
                  error),
              0);
    EXPECT_EQ(library->changes(handle), 3);
    EXPECT_EQ(library->last_insert_rowid(handle), 3);

    ASSERT_EQ(Run("SELECT ID, NAME AS N1, NOTE FROM T ORDER BY ID", cells, error), 0) << error;
    EXPECT_EQ(library->number_of_rows_from_last_call(), 3);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_STREQ(cells[0][0], "ID");
    EXPECT_STREQ(cells[0][1], "N1");
    EXPECT_STREQ(cells[0][2], "NOTE");
    EXPECT_STREQ(cells[1][1], "Zoë");
    EXPECT_STREQ(cells[2][1], "O'Brien's PC");
    EXPECT_STREQ(cells[3][1], "Пётр");
    // NULL and the empty text stay apart.
    ASSERT_NE(cells[1][2], nullptr);
    EXPECT_STREQ(cells[1][2], "");
    EXPECT_EQ(cells[2][2], nullptr);

    // A query without a match: names row only, no data rows.
    ASSERT_EQ(Run("SELECT NAME FROM T WHERE ID=99", cells, error), 0);
    EXPECT_EQ(library->number_of_rows_from_last_call(), 0);
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_STREQ(cells[0][0], "NAME");
}

TEST_F(AccessLibraryTest, AFailingStatementGivesSqliteMessageAndKeepsNoTable) {
    std::vector<std::vector<const char*>> cells;
    std::string error;
    ASSERT_EQ(Run("CREATE TABLE T (ID INTEGER PRIMARY KEY)", cells, error), 0);
    ASSERT_EQ(Run("SELECT ID FROM T", cells, error), 0);
    EXPECT_NE(Run("SELECT NOPE FROM T", cells, error), 0);
    EXPECT_NE(error.find("no such column: NOPE"), std::string::npos) << error;
    EXPECT_NE(Run("INSERT INTO MISSING VALUES (1)", cells, error), 0);
    EXPECT_NE(error.find("no such table: MISSING"), std::string::npos) << error;
    // The next good statement clears the message.
    ASSERT_EQ(Run("SELECT COUNT(*) FROM T", cells, error), 0);
    EXPECT_EQ(error, "");
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_STREQ(cells[1][0], "0");
}

TEST_F(AccessLibraryTest, OpensOnlyExistingFilesAndRefusesBadHandles) {
    std::int32_t other = -1;
    library->open((folder / "missing.ocx").string().c_str(), &other);
    EXPECT_EQ(other, 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "missing.ocx"));
    other = -1;
    library->open("", &other);
    EXPECT_EQ(other, 0);

    std::vector<std::vector<const char*>> cells;
    std::string error;
    std::int32_t saved = handle;
    handle = 12345;
    EXPECT_NE(Run("SELECT 1", cells, error), 0);
    EXPECT_NE(error, "");
    handle = saved;
    EXPECT_NE(std::string(library->libversion()), "");
}

TEST_F(AccessLibraryTest, ClosingDiscardsAnOpenTransaction) {
    std::vector<std::vector<const char*>> cells;
    std::string error;
    ASSERT_EQ(Run("CREATE TABLE T (ID INTEGER PRIMARY KEY)", cells, error), 0);
    ASSERT_EQ(Run("BEGIN DEFERRED TRANSACTION MY_TRANS", cells, error), 0);
    ASSERT_EQ(Run("INSERT INTO T VALUES (1)", cells, error), 0);
    library->close(handle);
    handle = 0;
    library->open(path.c_str(), &handle);
    ASSERT_NE(handle, 0);
    ASSERT_EQ(Run("SELECT COUNT(*) FROM T", cells, error), 0);
    EXPECT_STREQ(cells[1][0], "0");
}

}  // namespace
}  // namespace crv

namespace crv {
namespace {

// Row statements bind cells as values, never as SQL: quotes, NULL and whole
// numbers arrive as given, every statement runs per row in order, and the
// first failing step stops the run with SQLite's message.
TEST_F(AccessLibraryTest, RowStatementsBindEachRowAndStopAtTheFirstFailure) {
    ASSERT_NE(library->exec_rows, nullptr);
    std::vector<std::vector<const char*>> cells;
    std::string error;
    ASSERT_EQ(Run("CREATE TABLE T (ID INTEGER PRIMARY KEY, NAME TEXT, N INTEGER); "
                  "CREATE TABLE LOG (NAME TEXT UNIQUE)",
                  cells, error),
              0)
        << error;
    const char* sqls[] = {"INSERT INTO T (NAME, N) VALUES (?1, ?2)", "INSERT INTO LOG (NAME) SELECT ?1 WHERE ?2 > 0"};
    const char* rows[] = {"O'Brien'); DROP TABLE T; --", "7", nullptr, "-3", "third", "12"};
    const char* message = nullptr;
    ASSERT_EQ(library->exec_rows(handle, sqls, 2, "ti", 2, 3, rows, &message), 0) << message;
    ASSERT_EQ(Run("SELECT NAME, N, typeof(N) FROM T ORDER BY ID", cells, error), 0);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_STREQ(cells[1][0], "O'Brien'); DROP TABLE T; --");
    EXPECT_STREQ(cells[1][2], "integer");
    EXPECT_EQ(cells[2][0], nullptr);
    EXPECT_STREQ(cells[2][1], "-3");
    ASSERT_EQ(Run("SELECT NAME FROM LOG ORDER BY rowid", cells, error), 0);
    ASSERT_EQ(cells.size(), 3u);  // the row with -3 wrote no log line
    EXPECT_STREQ(cells[2][0], "third");

    // The second row repeats a unique log name: the first row stays, the
    // third never runs.
    const char* clash[] = {"fourth", "1", "third", "1", "fifth", "1"};
    EXPECT_NE(library->exec_rows(handle, sqls, 2, "ti", 2, 3, clash, &message), 0);
    EXPECT_NE(std::string(message).find("UNIQUE"), std::string::npos) << message;
    ASSERT_EQ(Run("SELECT COUNT(*) FROM T WHERE NAME IN ('fourth', 'third', 'fifth')", cells, error), 0);
    EXPECT_STREQ(cells[1][0], "3");  // fourth, the earlier third, and the clashing row's own insert

    EXPECT_NE(library->exec_rows(handle, sqls, 1, "t", 2, 1, nullptr, &message), 0);  // rows without cells
    const char* broken[] = {"INSERT INTO NO_TABLE VALUES (?1)"};
    const char* one[] = {"x"};
    EXPECT_NE(library->exec_rows(handle, broken, 1, "t", 1, 1, one, &message), 0);
    EXPECT_NE(std::string(message).find("no such table"), std::string::npos) << message;
    EXPECT_NE(library->exec_rows(0, sqls, 1, "t", 1, 1, one, &message), 0);
}

}  // namespace
}  // namespace crv
