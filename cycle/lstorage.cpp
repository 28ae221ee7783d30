#include "cycle/lstorage.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

namespace {

constexpr std::int64_t kStep = 1024;  // both blocks grow in whole steps of this many bytes
constexpr std::uint32_t kFirstBlobOffset = 2;  // offset 0 is never handed out

void* ReallocBlock(void* block, std::size_t bytes) { return std::realloc(block, bytes); }

bool IsBlobBacked(std::uint8_t type) { return type == 1 || type == 3 || type == 4 || type == 5; }

// The type codes with their padding: the rows start at a multiple of 4 bytes.
std::int64_t HeaderBytes(std::int32_t columns) { return (std::int64_t{columns} + 3) / 4 * 4; }

// The smallest multiple of the step strictly greater than needed.
std::int64_t StepAbove(std::int64_t needed) { return (needed / kStep + 1) * kStep; }

// Grows block to bytes keeping its contents, or throws std::bad_alloc with block untouched.
std::uint8_t* Grow(std::uint8_t* block, std::int64_t bytes) {
  void* grown = LStorage::Reallocate(block, static_cast<std::size_t>(bytes));
  if (grown == nullptr) throw std::bad_alloc();
  return static_cast<std::uint8_t*>(grown);
}

}  // namespace

void* (*LStorage::Reallocate)(void*, std::size_t) = ReallocBlock;

LStorage::LStorage() { Clear(); }

LStorage::~LStorage() {
  if (blobCapacity_ != 0) std::free(blob_);
  if (bufferCapacity_ != 0) std::free(rowBuffer_);
}

void LStorage::SetColumns(const std::uint8_t* types, std::int32_t count) {
  if (types == nullptr || count < 1) throw std::invalid_argument("LStorage needs at least one column");
  const std::int64_t header = HeaderBytes(count);
  // The first row buffer is one step; more than 1024 type codes need a bigger one to fit at all.
  std::int64_t bufferBytes = bufferCapacity_ == 0 ? kStep : bufferCapacity_;
  if (header > bufferBytes) bufferBytes = StepAbove(header);
  if (bufferBytes > std::numeric_limits<std::int32_t>::max()) throw std::bad_alloc();

  // Obtain everything first, so that a failure leaves the table as it was.
  const bool needsBlob = blobCapacity_ == 0 && std::any_of(types, types + count, IsBlobBacked);
  std::uint8_t* newBlob = needsBlob ? Grow(nullptr, kStep) : nullptr;
  std::uint8_t* buffer = rowBuffer_;
  if (bufferBytes != bufferCapacity_) {
    try {
      buffer = Grow(rowBuffer_, bufferBytes);
    } catch (const std::bad_alloc&) {
      std::free(newBlob);
      throw;
    }
  }

  rowBuffer_ = buffer;
  bufferCapacity_ = static_cast<std::int32_t>(bufferBytes);
  columnCount_ = count;
  rows_ = reinterpret_cast<std::int32_t*>(rowBuffer_ + header);
  std::copy(types, types + count, rowBuffer_);
  std::fill(rowBuffer_ + count, rowBuffer_ + header, std::uint8_t{0});
  if (newBlob != nullptr) {
    blob_ = newBlob;
    blobCapacity_ = kStep;
    blob_[0] = blob_[1] = 0;
  }
  UpdateRowCapacity();
  Clear();
}

void LStorage::Clear() {
  RowCount = 0;
  blobWriteOffset_ = kFirstBlobOffset;
}

void LStorage::SetRowCount(std::int32_t n) {
  if (n < 0) throw std::invalid_argument("LStorage row count must not be negative");
  if (n > rowCapacity_) {
    if (columnCount_ == 0) throw std::logic_error("LStorage rows need columns first");
    const std::int64_t header = HeaderBytes(columnCount_);
    const std::int64_t capacity = StepAbove(std::int64_t{n} * columnCount_ * 4 + header);
    if (capacity > std::numeric_limits<std::int32_t>::max()) throw std::bad_alloc();
    rowBuffer_ = Grow(rowBuffer_, capacity);
    bufferCapacity_ = static_cast<std::int32_t>(capacity);
    rows_ = reinterpret_cast<std::int32_t*>(rowBuffer_ + header);
    UpdateRowCapacity();
  }
  // Rows that come into use read as zeros (a zero time cell reads as time 0), never as leftovers.
  if (n > RowCount) {
    std::int32_t* first = rows_ + std::int64_t{RowCount} * columnCount_;
    std::fill(first, rows_ + std::int64_t{n} * columnCount_, 0);
  }
  RowCount = n;
}

std::int32_t* LStorage::Row(std::int32_t row) {
  assert(row >= 0 && row < rowCapacity_);
  return rows_ + std::int64_t{row} * columnCount_;
}

const std::int32_t* LStorage::Row(std::int32_t row) const {
  assert(row >= 0 && row < rowCapacity_);
  return rows_ + std::int64_t{row} * columnCount_;
}

void LStorage::SetDateTime(std::int32_t column, std::int32_t row, double value) {
  assert(column >= 0 && column < columnCount_ && row >= 0);
  if (row == std::numeric_limits<std::int32_t>::max()) throw std::bad_alloc();  // row + 1 rows
  // The blob first: if the rows cannot grow afterwards, only the blob's capacity has changed.
  ReserveBlob(sizeof value);
  if (row >= RowCount) SetRowCount(row + 1);
  std::memcpy(blob_ + blobWriteOffset_, &value, sizeof value);
  Row(row)[column] = static_cast<std::int32_t>(blobWriteOffset_);
  blobWriteOffset_ += sizeof value;
}

double LStorage::GetDateTime(std::int32_t column, std::int32_t row) const {
  assert(column >= 0 && column < columnCount_);
  const auto offset = static_cast<std::uint32_t>(Row(row)[column]);
  // A cell that holds no offset of a stored value (a zeroed row, an ordinary column, a row past
  // RowCount after Clear) reads as 0 instead of reading outside the blob.
  if (offset < kFirstBlobOffset || std::uint64_t{offset} + sizeof(double) > blobWriteOffset_) {
    return 0.0;
  }
  double value = 0;
  std::memcpy(&value, blob_ + offset, sizeof value);
  return value;
}

void LStorage::ReserveBlob(std::uint32_t bytes) {
  const std::uint64_t needed = std::uint64_t{blobWriteOffset_} + bytes;
  if (needed <= blobCapacity_) return;
  const std::int64_t capacity = StepAbove(static_cast<std::int64_t>(needed));
  if (capacity > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
  const bool created = blobCapacity_ == 0;
  blob_ = Grow(created ? nullptr : blob_, capacity);
  if (created) blob_[0] = blob_[1] = 0;
  blobCapacity_ = static_cast<std::uint32_t>(capacity);
}

void LStorage::UpdateRowCapacity() {
  const std::int64_t rowBytes = bufferCapacity_ - HeaderBytes(columnCount_);
  rowCapacity_ = static_cast<std::int32_t>(rowBytes / columnCount_ / 4);
}
