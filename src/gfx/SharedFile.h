#pragma once
// What the user read from a file (a picture, a list of addresses), shared and immutable once
// made, so that the copies of a document and the steps of its undo history hold it once. Two
// are equal when they are the same or hold the same file with the same bytes, so that a design
// opened again compares equal to the one that was saved. `T` has `fileName` and `bytes`.
#include <memory>

template <typename T> class SharedFile
{
public:
    SharedFile() = default;
    explicit SharedFile(T value) : value_(std::make_shared<const T>(std::move(value))) {}

    explicit operator bool() const { return bool(value_); }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return value_.get(); }
    const T* get() const { return value_.get(); }

    bool operator==(const SharedFile& other) const
    {
        return value_ == other.value_ ||
               (value_ && other.value_ && value_->fileName == other.value_->fileName &&
                value_->bytes == other.value_->bytes);
    }

private:
    std::shared_ptr<const T> value_;
};
