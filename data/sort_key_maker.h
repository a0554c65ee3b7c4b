// Makes the Thai sort keys of texts, and their order, on a thread of its
// own: a file's names are keyed and sorted while its rows are still being
// read instead of after.
#pragma once

#include <QCollator>
#include <QCollatorSortKey>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

namespace kinmora {

class SortKeyMaker {
public:
    SortKeyMaker() = default;
    ~SortKeyMaker();
    SortKeyMaker(const SortKeyMaker&) = delete;
    SortKeyMaker& operator=(const SortKeyMaker&) = delete;

    // Queues `text`, the next text: the first is text 0.
    void add(const QString& text);
    // Sets aside room for `more` texts.
    void reserve(std::size_t more);

    // Waits until every text queued is keyed and sorted, keying the last
    // batches itself meanwhile, then gives the numbers of all texts in Thai
    // order; texts that sort alike stand together in any order.
    const std::vector<std::uint32_t>& order();
    // Negative, zero or positive as text `a` sorts before, with or after
    // text `b`; both must be in order().
    int compare(std::uint32_t a, std::uint32_t b) const { return m_keys[a].compare(m_keys[b]); }

    // Lets the thread free the keys and end, while the caller goes on; the
    // maker takes no text and gives no order after this.
    void retire();
    bool retired() const { return m_retired; }

private:
    static constexpr std::size_t kBatch = 1024;
    using Run = std::vector<std::uint32_t>;

    void handOver();
    void work();
    void sortBatch(const QCollator& collator, const std::vector<QString>& batch);
    // The caller's share of the keying: batches from the back of the queue,
    // while the thread keys from its front, instead of waiting.
    struct Keyed {
        std::uint32_t first;  // the number of the batch's first text
        std::vector<QCollatorSortKey> keys;
        Run run;
    };
    std::vector<Keyed> keyFromTheBack();
    // The numbers first, first + 1, ... of the texts whose keys are `keys`, in their order.
    static Run sortedRun(std::span<const QCollatorSortKey> keys, std::uint32_t first);
    Run merged(const Run& a, const Run& b) const;

    std::vector<QString> m_batch;  // queued, not yet handed over
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::vector<QString>> m_batches;  // handed over, not yet keyed
    bool m_busy = false;                         // the thread is keying a batch
    bool m_stopping = false;
    bool m_retired = false;
    std::size_t m_expected = 0;    // the texts the keys may be reserved for
    std::size_t m_handedOver = 0;  // the texts handed over to the thread
    // Written by the thread while it is busy, read once it is not.
    std::vector<QCollatorSortKey> m_keys;  // by text number
    // Sorted runs of text numbers, longer ones first, merged two alike as
    // they come, so that each text takes part in few merges.
    std::vector<Run> m_runs;
    std::thread m_thread;
};

}  // namespace kinmora
