#include "cycle/lstorage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <new>
#include <stdexcept>
#include <vector>

namespace {

constexpr double kSecond = 1.0 / 86400.0;

struct SampleTable : ::testing::Test {
  SampleTable() { table.SetColumns(SampleColumnTypes, 4); }

  // Appends rows in the program's order: the time first (it creates the row), then the cells.
  void Append(int count) {
    for (int i = 0; i < count; ++i) {
      const std::int32_t row = table.RowCount;
      table.SetDateTime(ColTime, row, row * kSecond);
      std::int32_t* cells = table.Row(row);
      cells[ColTr] = 1000 + row;
      cells[ColTi] = -row;
      cells[ColTe] = row * 7;
    }
  }

  void ExpectRowsIntact(int count) const {
    ASSERT_EQ(table.RowCount, count);
    for (int row = 0; row < count; ++row) {
      SCOPED_TRACE(row);
      EXPECT_EQ(table.GetDateTime(ColTime, row), row * kSecond);
      EXPECT_EQ(table.Row(row)[ColTr], 1000 + row);
      EXPECT_EQ(table.Row(row)[ColTi], -row);
      EXPECT_EQ(table.Row(row)[ColTe], row * 7);
    }
  }

  LStorage table;
};

// Makes every growth fail while it lives.
struct FailingAllocator {
  FailingAllocator() { LStorage::Reallocate = [](void*, std::size_t) -> void* { return nullptr; }; }
  ~FailingAllocator() { LStorage::Reallocate = saved; }
  decltype(LStorage::Reallocate) saved = LStorage::Reallocate;
};

TEST_F(SampleTable, FreshTableLayout) {
  EXPECT_EQ(table.RowCount, 0);
  EXPECT_EQ(table.ColumnCount(), 4);
  EXPECT_EQ(table.BufferCapacity(), 1024);
  EXPECT_EQ(table.RowCapacity(), 63);
  EXPECT_EQ(table.BlobCapacity(), 1024u);
  EXPECT_EQ(table.BlobWriteOffset(), 2u);

  Append(1);
  // The type codes sit in the 4 bytes before row 0; the first time value at blob offset 2.
  const auto* header = reinterpret_cast<const std::uint8_t*>(table.Row(0)) - 4;
  EXPECT_EQ(std::vector<int>(header, header + 4), (std::vector<int>{3, 0, 0, 0}));
  EXPECT_EQ(table.Row(0)[ColTime], 2);
  EXPECT_EQ(table.BlobWriteOffset(), 10u);
}

TEST_F(SampleTable, GrowsInWholeStepsAndKeepsEveryRow) {
  struct Point { int rows; std::int32_t buffer; std::uint32_t blob; };
  // 63 rows fit 1024 bytes, 127 fit 2048; 127 time values fit the first blob step.
  for (const Point p : {Point{63, 1024, 1024}, Point{64, 2048, 1024}, Point{127, 2048, 1024},
                        Point{128, 3072, 2048}, Point{192, 4096, 2048}}) {
    Append(p.rows - table.RowCount);
    SCOPED_TRACE(p.rows);
    EXPECT_EQ(table.BufferCapacity(), p.buffer);
    EXPECT_EQ(table.BlobCapacity(), p.blob);
    EXPECT_EQ(table.RowCapacity(), (p.buffer - 4) / 16);
    ExpectRowsIntact(p.rows);
  }
}

TEST_F(SampleTable, SetDateTimeBeyondTheEndCreatesZeroedRows) {
  table.SetDateTime(ColTime, 10, 5 * kSecond);
  EXPECT_EQ(table.RowCount, 11);
  EXPECT_EQ(table.GetDateTime(ColTime, 10), 5 * kSecond);
  for (int row = 0; row < 10; ++row) {
    EXPECT_EQ(table.GetDateTime(ColTime, row), 0.0);
    EXPECT_EQ(table.Row(row)[ColTr], 0);
  }
}

TEST_F(SampleTable, OverwriteAppendsANewValue) {
  Append(3);
  table.SetDateTime(ColTime, 1, 42 * kSecond);
  EXPECT_EQ(table.GetDateTime(ColTime, 1), 42 * kSecond);
  EXPECT_EQ(table.BlobWriteOffset(), 2u + 4 * 8);
  EXPECT_EQ(table.RowCount, 3);
  EXPECT_EQ(table.GetDateTime(ColTime, 2), 2 * kSecond);
}

TEST_F(SampleTable, ClearAndShrinkKeepCapacities) {
  Append(200);
  const auto buffer = table.BufferCapacity();
  const auto blob = table.BlobCapacity();

  table.SetRowCount(50);
  EXPECT_EQ(table.RowCount, 50);
  EXPECT_EQ(table.BufferCapacity(), buffer);
  ExpectRowsIntact(50);

  table.Clear();
  EXPECT_EQ(table.RowCount, 0);
  EXPECT_EQ(table.BufferCapacity(), buffer);
  EXPECT_EQ(table.BlobCapacity(), blob);
  EXPECT_EQ(table.GetDateTime(ColTime, 5), 0.0);  // a stale row no longer reads a value
  Append(1);
  EXPECT_EQ(table.Row(0)[ColTime], 2);
}

TEST(LStorageColumns, OnlyBlobBackedCodesCreateABlob) {
  struct Case { std::vector<std::uint8_t> types; std::uint32_t blob; };
  for (const Case& c : {Case{{0, 2, 6, 255}, 0}, Case{{0, 1}, 1024}, Case{{3}, 1024},
                        Case{{4, 0, 0}, 1024}, Case{{5, 5}, 1024}}) {
    LStorage table;
    table.SetColumns(c.types.data(), static_cast<std::int32_t>(c.types.size()));
    EXPECT_EQ(table.BlobCapacity(), c.blob) << int(c.types[0]);
  }
}

TEST(LStorageColumns, OrdinaryCellReadAsDateTimeStaysInsideTheBlob) {
  LStorage table;
  table.SetColumns(SampleColumnTypes, 4);
  table.SetDateTime(ColTime, 0, 1.5);
  table.Row(0)[ColTr] = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(table.GetDateTime(ColTr, 0), 0.0);

  LStorage noBlob;
  const std::uint8_t ordinary[] = {0};
  noBlob.SetColumns(ordinary, 1);
  noBlob.SetRowCount(1);
  EXPECT_EQ(noBlob.GetDateTime(0, 0), 0.0);
}

TEST(LStorageColumns, MoreTypeCodesThanTheFirstBlockHolds) {
  std::vector<std::uint8_t> types(2000, 0);
  types.back() = 3;
  LStorage table;
  table.SetColumns(types.data(), 2000);
  EXPECT_EQ(table.BufferCapacity(), 2048);
  EXPECT_EQ(table.RowCapacity(), 0);
  table.SetDateTime(1999, 0, 7.25);
  EXPECT_EQ(table.GetDateTime(1999, 0), 7.25);
  const auto* header = reinterpret_cast<const std::uint8_t*>(table.Row(0)) - 2000;
  EXPECT_EQ(header[1999], 3);
}

TEST(LStorageColumns, InvalidSetUpIsRefused) {
  LStorage table;
  EXPECT_THROW(table.SetColumns(SampleColumnTypes, 0), std::invalid_argument);
  EXPECT_THROW(table.SetRowCount(1), std::logic_error);  // no columns yet
  table.SetColumns(SampleColumnTypes, 4);
  EXPECT_THROW(table.SetRowCount(-1), std::invalid_argument);
  EXPECT_EQ(table.RowCount, 0);
}

TEST_F(SampleTable, FailedGrowthLeavesTheTableAsItWas) {
  Append(63);  // row buffer full
  {
    FailingAllocator failing;
    EXPECT_THROW(Append(1), std::bad_alloc);
    EXPECT_THROW(table.SetRowCount(1000), std::bad_alloc);
  }
  EXPECT_EQ(table.BufferCapacity(), 1024);
  EXPECT_EQ(table.RowCapacity(), 63);
  ExpectRowsIntact(63);

  table.SetRowCount(127);
  table.Clear();
  Append(127);  // blob full now
  {
    FailingAllocator failing;
    EXPECT_THROW(Append(1), std::bad_alloc);
  }
  EXPECT_EQ(table.BlobCapacity(), 1024u);
  EXPECT_EQ(table.BlobWriteOffset(), 2u + 127 * 8);
  ExpectRowsIntact(127);
  Append(1);
  ExpectRowsIntact(128);
}

TEST(LStorageGrowth, FailedSetUpLeavesAnEmptyTable) {
  LStorage table;
  {
    FailingAllocator failing;
    EXPECT_THROW(table.SetColumns(SampleColumnTypes, 4), std::bad_alloc);
  }
  EXPECT_EQ(table.BufferCapacity(), 0);
  EXPECT_EQ(table.BlobCapacity(), 0u);
  EXPECT_EQ(table.ColumnCount(), 0);
}

TEST_F(SampleTable, RowCountsBeyond32BitCapacitiesAreRefused) {
  Append(5);
  // 4 columns of 4 bytes: 2^31 - 1 rows need 32 GiB, which no 32-bit capacity describes.
  EXPECT_THROW(table.SetRowCount(std::numeric_limits<std::int32_t>::max()), std::bad_alloc);
  EXPECT_THROW(table.SetDateTime(ColTime, std::numeric_limits<std::int32_t>::max(), 1.0),
               std::bad_alloc);
  EXPECT_EQ(table.BufferCapacity(), 1024);
  ExpectRowsIntact(5);
}

}  // namespace
