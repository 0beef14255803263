#pragma once

#include <QString>

#include <utility>

// The outcome of an operation that can fail. A failure carries a message for the user that
// names what failed and why; core code returns it and the windows decide how to show it.
class Status {
public:
    static Status success() { return Status(); }
    static Status failure(QString message) { return Status(std::move(message)); }

    bool ok() const { return !failed_; }
    const QString &error() const { return error_; }

protected:
    Status() = default;
    explicit Status(QString message) : error_(std::move(message)), failed_(true) {}

private:
    QString error_;
    bool failed_ = false;
};

// A Status that carries a value on success.
template <typename T>
class Result : public Status {
public:
    static Result success(T value) { return Result(std::move(value)); }
    static Result failure(QString message) { return Result(Status::failure(std::move(message))); }
    // Passes on the failure of an earlier step that had another value type.
    static Result failure(const Status &failed) { return Result(failed); }

    const T &value() const { return value_; }

private:
    explicit Result(T value) : value_(std::move(value)) {}
    explicit Result(const Status &failed) : Status(failed) {}

    T value_{};
};
