#include "platform/OrderedBuild.h"

#include <array>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// The pieces under way: each is built into the slot of its number modulo kSlots, which is free
// once the piece kSlots before it was delivered.
class PieceRing {
public:
    PieceRing(std::size_t count, const std::function<void(std::size_t, std::string&)>& build)
        : m_count(count)
        , m_build(build)
    {
    }

    // The helper's loop: claims pieces as slots come free, until all are claimed or the work ends.
    void BuildAll()
    {
        while (const std::optional<std::size_t> piece = Claim(true)) {
            try {
                Build(*piece);
            } catch (...) {
                const std::lock_guard lock(m_mutex);
                m_failure = std::current_exception();
                m_ended = true;
                m_changed.notify_all();
                return;
            }
        }
    }

    // Piece `piece`'s text, building others meanwhile where a slot is free.
    const std::string& Await(std::size_t piece)
    {
        while (true) {
            {
                std::unique_lock lock(m_mutex);
                if (m_failure)
                    std::rethrow_exception(m_failure);
                if (m_ready[piece % kSlots])
                    return m_slots[piece % kSlots];
            }
            if (const std::optional<std::size_t> other = Claim(false)) {
                Build(*other);
                continue;
            }
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_failure || m_ready[piece % kSlots]; });
        }
    }

    void Release(std::size_t piece)
    {
        const std::lock_guard lock(m_mutex);
        m_ready[piece % kSlots] = false;
        m_delivered = piece + 1;
        m_changed.notify_all();
    }

    void End()
    {
        const std::lock_guard lock(m_mutex);
        m_ended = true;
        m_changed.notify_all();
    }

private:
    static constexpr std::size_t kSlots = 6;

    // The next piece without a builder; the helper waits for a free slot, this thread does not.
    std::optional<std::size_t> Claim(bool wait)
    {
        std::unique_lock lock(m_mutex);
        const auto slotFree = [this] { return m_next < m_delivered + kSlots; };
        if (wait)
            m_changed.wait(lock, [&] { return m_ended || m_next >= m_count || slotFree(); });
        if (m_ended || m_next >= m_count || !slotFree())
            return std::nullopt;
        return m_next++;
    }

    void Build(std::size_t piece)
    {
        m_build(piece, m_slots[piece % kSlots]);
        const std::lock_guard lock(m_mutex);
        m_ready[piece % kSlots] = true;
        m_changed.notify_all();
    }

    const std::size_t m_count;
    const std::function<void(std::size_t, std::string&)>& m_build;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::array<std::string, kSlots> m_slots;
    std::array<bool, kSlots> m_ready{};
    std::size_t m_next = 0;
    std::size_t m_delivered = 0;
    bool m_ended = false;
    std::exception_ptr m_failure;
};

// Ends the ring and waits for the helper however this thread leaves.
class Helper {
public:
    explicit Helper(PieceRing& ring)
        : m_ring(ring)
        , m_thread([&ring] { ring.BuildAll(); })
    {
    }

    ~Helper()
    {
        m_ring.End();
        m_thread.join();
    }

private:
    PieceRing& m_ring;
    std::thread m_thread;
};

} // namespace

void BuildInOrder(std::size_t count, const std::function<void(std::size_t piece, std::string& text)>& build,
                  const std::function<void(std::string_view text)>& deliver)
{
    PieceRing ring(count, build);
    const Helper helper(ring);
    for (std::size_t piece = 0; piece < count; ++piece) {
        deliver(ring.Await(piece));
        ring.Release(piece);
    }
}
