#include "hostile_radio.h"

#include <algorithm>

HostileRadio::HostileRadio(const uint8_t* data, size_t size) : m_data(data), m_size(size) {
    m_openOk = Next() != 0xFE;
    for (int i = 0; i < kImageSize; ++i)
        m_memory.SetByte(i, static_cast<uint8_t>(i * 7 + 3));
}

// The fuzzer's next byte; once they are used up the radio behaves.
uint8_t HostileRadio::Next() {
    return m_pos < m_size ? m_data[m_pos++] : 0;
}

void HostileRadio::Answer(std::vector<uint8_t> reply) {
    const uint8_t how = Next();
    if (how >= 200 && how < 215)
        return; // silence
    if (how >= 215 && how < 225)
        reply.resize(reply.size() / 2);
    else if (how >= 225 && how < 235 && !reply.empty())
        reply[0] = Next();
    else if (how >= 235 && how < 245)
        reply.insert(reply.begin(), Next());
    m_toPc.insert(m_toPc.end(), reply.begin(), reply.end());
}

size_t HostileRadio::Write(std::span<const uint8_t> data) {
    if (Next() == 0xFF)
        return 0; // the line reports the write as failed
    OnCommand(data);
    return data.size();
}

void HostileRadio::OnCommand(std::span<const uint8_t> data) {
    const uint8_t first = data.empty() ? 0 : data[0];
    if (data.size() == 1 && !m_programmed) {
        if (first == 'M') {
            m_programmed = true;
            Answer({'P', 'G'});
        }
    } else if (data.size() == 1 && first == 0x02) {
        std::vector<uint8_t> ident(32);
        for (uint8_t& b : ident)
            b = Next();
        m_expect = Expect::Ident;
        Answer(ident);
    } else if (data.size() == 1 && first == 'A') {
        Answer({'A'});
    } else if (data.size() == 4 && first == 'R') {
        m_blockAddress = data[1] << 8 | data[2];
        std::vector<uint8_t> reply = {'W', data[1], data[2], data[3]};
        for (int i = 0; i < data[3]; ++i)
            reply.push_back(m_memory.Byte((m_blockAddress + i) % kImageSize));
        m_expect = Expect::BlockHeader;
        Answer(reply);
    } else if (data.size() >= 4 && first == 'W') {
        written.push_back({data[1] << 8 | data[2], {data.begin() + 4, data.end()}});
        Answer({'A'});
    }
}

size_t HostileRadio::Read(std::span<uint8_t> out) {
    const size_t count = std::min(out.size(), m_toPc.size());
    std::copy_n(m_toPc.begin(), count, out.begin());
    m_toPc.erase(m_toPc.begin(), m_toPc.begin() + static_cast<long>(count));
    if (count < out.size())
        m_nowMs += std::max(1, m_timeouts.readConstantMs +
                                   m_timeouts.readPerByteMs * static_cast<int>(out.size()));
    const std::vector<uint8_t> got(out.begin(), out.begin() + static_cast<long>(count));
    if (m_expect == Expect::Ident) {
        receivedIdent = got;
        m_expect = Expect::Nothing;
    } else if (m_expect == Expect::BlockHeader) {
        m_expect = Expect::BlockData;
    } else if (m_expect == Expect::BlockData) {
        received.push_back({m_blockAddress, got});
        m_expect = Expect::Nothing;
    }
    return count;
}
