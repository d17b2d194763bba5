#pragma once

#include <QString>

#include <utility>
#include <variant>

// What every read and write that can fail gives back: the value (nothing,
// for Result<void>) or why there is none, as a text. It tests true when it
// succeeded:
//
//     if (const Result<void> saved = document.save(); !saved)
//         Show(saved.error());
//     if (const Result<QStringList> lines = ReadListFile(path))
//         Use(*lines);
//
// A failure is made as Failure{reason}, which every Result takes, or as
// Result<T>::failure(reason). A Result<void> made with no argument is a
// success. Ignoring a returned Result fails the build (-Werror=unused-result);
// one the behaviour lets go unread is cast to void where that is said.

struct Failure {
    QString reason;
};

template <typename T> class [[nodiscard]] Result {
public:
    Result(const T& value) : m_state(std::in_place_index<0>, value) {}
    Result(T&& value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : m_state(std::in_place_index<1>, std::move(failure.reason)) {}
    static Result failure(QString reason) { return Failure{std::move(reason)}; }

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    // The value; only on success (a failure throws std::bad_variant_access).
    T& value() & { return std::get<0>(m_state); }
    const T& value() const& { return std::get<0>(m_state); }
    T&& value() && { return std::get<0>(std::move(m_state)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T&& operator*() && { return std::move(*this).value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // Why it failed; the empty text on success.
    QString error() const { return ok() ? QString() : std::get<1>(m_state); }

private:
    std::variant<T, QString> m_state;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : m_failed(true), m_error(std::move(failure.reason)) {}
    static Result failure(QString reason) { return Failure{std::move(reason)}; }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }

    // Why it failed; the empty text on success.
    QString error() const { return m_error; }

private:
    bool m_failed = false;
    QString m_error;
};
