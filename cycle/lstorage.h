#pragma once
// LStorage: a table of 32-bit cells with a fixed set of typed columns and a growing number of
// rows. Cells of blob-backed columns (type codes 1, 3, 4, 5) hold the offset of an 8-byte value
// in an append-only area (the blob); other cells hold their value. Memory grows in 1024-byte steps.
#include <cstddef>
#include <cstdint>

class LStorage {
 public:
  LStorage();
  virtual ~LStorage();
  LStorage(const LStorage&) = delete;
  LStorage& operator=(const LStorage&) = delete;

  void SetColumns(const std::uint8_t* types, std::int32_t count);  // count >= 1
  void Clear();                                                     // RowCount 0, blob offset 2
  // Throws std::bad_alloc, leaving the table as it was, when memory cannot be had.
  void SetRowCount(std::int32_t n);
  // Address of the row's first cell; valid until the next SetRowCount or SetDateTime.
  std::int32_t* Row(std::int32_t row);
  const std::int32_t* Row(std::int32_t row) const;
  void SetDateTime(std::int32_t column, std::int32_t row, double value);
  double GetDateTime(std::int32_t column, std::int32_t row) const;

  std::int32_t RowCount = 0;

  // Introspection of the memory layout (tests, benchmarks).
  std::int32_t BufferCapacity() const { return bufferCapacity_; }
  std::uint32_t BlobCapacity() const { return blobCapacity_; }
  std::uint32_t BlobWriteOffset() const { return blobWriteOffset_; }
  std::int32_t RowCapacity() const { return rowCapacity_; }
  std::int32_t ColumnCount() const { return columnCount_; }

  // Grows (or first obtains) a block with std::realloc's contract; tests substitute one that
  // fails, to check that a failed growth leaves the table as it was.
  static void* (*Reallocate)(void* block, std::size_t bytes);

 private:
  void ReserveBlob(std::uint32_t bytes);
  void UpdateRowCapacity();

  std::uint8_t* rowBuffer_ = nullptr;  // type codes, padding to 4 bytes, then the rows
  std::int32_t columnCount_ = 0;
  std::int32_t* rows_ = nullptr;
  std::uint8_t* blob_ = nullptr;
  std::uint32_t blobCapacity_ = 0;
  std::int32_t bufferCapacity_ = 0;
  std::uint32_t blobWriteOffset_ = 2;
  std::int32_t rowCapacity_ = 0;
};

// The sample table's columns: Time (date-time in days), Tr, Ti, Te (whole degrees Celsius).
inline constexpr std::uint8_t SampleColumnTypes[4] = {3, 0, 0, 0};
enum SampleColumn : std::int32_t { ColTime = 0, ColTr = 1, ColTi = 2, ColTe = 3 };
