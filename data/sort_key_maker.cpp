// The thread starts with the first batch and ends with the maker. Texts are
// handed over a batch at a time, so the reading thread locks once per
// thousand texts.
#include "data/sort_key_maker.h"

#include <algorithm>
#include <iterator>
#include <numeric>
#include <optional>

#include "data/heap_populator.h"
#include "data/thai_collation.h"

namespace kinmora {

SortKeyMaker::~SortKeyMaker() {
    if (!m_thread.joinable()) return;
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void SortKeyMaker::add(const QString& text) {
    m_batch.push_back(text);
    if (m_batch.size() == kBatch) handOver();
}

void SortKeyMaker::reserve(std::size_t more) {
    const std::lock_guard lock(m_mutex);
    m_expected += more;
}

void SortKeyMaker::handOver() {
    if (m_batch.empty()) return;
    {
        const std::lock_guard lock(m_mutex);
        m_handedOver += m_batch.size();
        m_batches.push_back(std::move(m_batch));
    }
    m_batch.clear();
    m_changed.notify_all();
    if (!m_thread.joinable()) m_thread = std::thread(&SortKeyMaker::work, this);
}

const std::vector<std::uint32_t>& SortKeyMaker::order() {
    handOver();
    std::vector<Keyed> keyed = keyFromTheBack();
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_batches.empty() && !m_busy; });
    // The thread keyed every batch before the caller's, which follow in order.
    for (auto part = keyed.rbegin(); part != keyed.rend(); ++part) {
        m_keys.insert(m_keys.end(), std::make_move_iterator(part->keys.begin()),
                      std::make_move_iterator(part->keys.end()));
        m_runs.push_back(std::move(part->run));
    }
    while (m_runs.size() > 1) {
        Run last = std::move(m_runs.back());
        m_runs.pop_back();
        m_runs.back() = merged(m_runs.back(), last);
    }
    if (m_runs.empty()) m_runs.emplace_back();
    return m_runs.front();
}

std::vector<SortKeyMaker::Keyed> SortKeyMaker::keyFromTheBack() {
    std::vector<Keyed> keyed;
    std::optional<QCollator> collator;
    for (;;) {
        std::vector<QString> batch;
        std::uint32_t first = 0;
        {
            const std::lock_guard lock(m_mutex);
            if (m_batches.empty()) break;
            batch = std::move(m_batches.back());
            m_batches.pop_back();
            first = static_cast<std::uint32_t>((keyed.empty() ? m_handedOver : keyed.back().first) -
                                               batch.size());
        }
        if (!collator) collator = ThaiCollation::collator();
        Keyed part{first, {}, {}};
        part.keys.reserve(batch.size());
        for (const QString& text : batch) part.keys.push_back(collator->sortKey(text));
        part.run = sortedRun(part.keys, first);
        keyed.push_back(std::move(part));
    }
    return keyed;
}

void SortKeyMaker::retire() {
    {
        const std::lock_guard lock(m_mutex);
        m_retired = true;
    }
    m_changed.notify_all();
}

void SortKeyMaker::work() {
    HeapPopulator::adviseThreadHeap();                     // the keys' pages, a fault per 2 MB
    const QCollator collator = ThaiCollation::collator();  // this thread's own
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [&] { return m_stopping || m_retired || !m_batches.empty(); });
        if (m_retired) {
            // Tens of thousands of keys are freed here, not in the caller's time.
            lock.unlock();
            m_keys = {};
            m_runs = {};
            return;
        }
        if (m_stopping) return;
        const std::vector<QString> batch = std::move(m_batches.front());
        m_batches.pop_front();
        m_busy = true;
        const std::size_t expected = m_expected;
        lock.unlock();
        if (m_keys.capacity() < expected) m_keys.reserve(expected);
        sortBatch(collator, batch);
        lock.lock();
        m_busy = false;
        m_changed.notify_all();
    }
}

void SortKeyMaker::sortBatch(const QCollator& collator, const std::vector<QString>& batch) {
    const auto first = static_cast<std::uint32_t>(m_keys.size());
    for (const QString& text : batch) m_keys.push_back(collator.sortKey(text));
    m_runs.push_back(sortedRun(std::span(m_keys).subspan(first), first));
    while (m_runs.size() > 1 && m_runs[m_runs.size() - 2].size() <= m_runs.back().size()) {
        Run last = std::move(m_runs.back());
        m_runs.pop_back();
        m_runs.back() = merged(m_runs.back(), last);
    }
}

SortKeyMaker::Run SortKeyMaker::sortedRun(std::span<const QCollatorSortKey> keys,
                                          std::uint32_t first) {
    Run run(keys.size());
    std::iota(run.begin(), run.end(), 0u);
    std::sort(run.begin(), run.end(),
              [&](std::uint32_t a, std::uint32_t b) { return keys[a].compare(keys[b]) < 0; });
    for (std::uint32_t& n : run) n += first;
    return run;
}

SortKeyMaker::Run SortKeyMaker::merged(const Run& a, const Run& b) const {
    Run out(a.size() + b.size());
    std::merge(a.begin(), a.end(), b.begin(), b.end(), out.begin(),
               [&](std::uint32_t x, std::uint32_t y) { return m_keys[x].compare(m_keys[y]) < 0; });
    return out;
}

}  // namespace kinmora
