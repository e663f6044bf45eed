#pragma once

#include "platform/FileOps.h"

#include <array>
#include <string>
#include <vector>

// The real file operations, except that chosen calls fail with a given reason and leave the disk
// untouched, as a refusal by the system would.
class FakeFileOps final : public FileOps {
public:
    enum class Op { MoveFile, ShellRename, ShellCopy };

    // Fails the nth call (counted from 1) of op; may be called for several calls.
    void FailCall(Op op, int nth, std::string reason)
    {
        m_failures.push_back({op, nth, std::move(reason)});
    }

    int Calls(Op op) const { return m_calls[Index(op)]; }

    FileStatus MoveFile(const std::string& from, const std::string& to) override
    {
        return Run(Op::MoveFile, [&] { return SystemFileOps().MoveFile(from, to); });
    }
    FileStatus ShellRename(const std::string& from, const std::string& to) override
    {
        return Run(Op::ShellRename, [&] { return SystemFileOps().ShellRename(from, to); });
    }
    FileStatus ShellCopy(const std::string& from, const std::string& to) override
    {
        return Run(Op::ShellCopy, [&] { return SystemFileOps().ShellCopy(from, to); });
    }
    bool FolderExists(const std::string& path) override { return SystemFileOps().FolderExists(path); }
    bool FileExists(const std::string& path) override { return SystemFileOps().FileExists(path); }

private:
    struct Failure {
        Op op;
        int nth;
        std::string reason;
    };

    static std::size_t Index(Op op) { return static_cast<std::size_t>(op); }

    template <typename Real>
    FileStatus Run(Op op, Real real)
    {
        const int call = ++m_calls[Index(op)];
        for (const Failure& failure : m_failures) {
            if (failure.op == op && failure.nth == call)
                return {false, failure.reason};
        }
        return real();
    }

    std::array<int, 3> m_calls{};
    std::vector<Failure> m_failures;
};
