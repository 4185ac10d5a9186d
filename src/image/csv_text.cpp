#include "image/csv_text.h"

namespace {

bool IsBlank(const std::vector<std::string>& row) {
    for (const std::string& field : row)
        if (!field.empty())
            return false;
    return true;
}

class CsvReader {
  public:
    explicit CsvReader(std::string_view text) : m_text(text) {
        if (m_text.starts_with("\xEF\xBB\xBF"))
            m_text.remove_prefix(3);
    }

    std::optional<CsvTable> Read(CsvParseError& error) {
        CsvTable table;
        while (m_pos < m_text.size()) {
            const int first = m_line;
            std::vector<std::string> row;
            if (!ReadRow(row, error))
                return std::nullopt;
            if (!IsBlank(row)) {
                table.rows.push_back(std::move(row));
                table.lines.push_back(first);
            }
        }
        return table;
    }

  private:
    bool AtLineEnd() const {
        return m_pos >= m_text.size() || m_text[m_pos] == '\n' ||
               (m_text[m_pos] == '\r' && (m_pos + 1 == m_text.size() || m_text[m_pos + 1] == '\n'));
    }

    void SkipLineEnd() {
        if (m_pos < m_text.size() && m_text[m_pos] == '\r')
            ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '\n')
            ++m_pos;
        ++m_line;
    }

    bool ReadRow(std::vector<std::string>& row, CsvParseError& error) {
        for (;;) {
            std::string field;
            if (!ReadField(field, error))
                return false;
            row.push_back(std::move(field));
            if (AtLineEnd()) {
                SkipLineEnd();
                return true;
            }
            ++m_pos; // the comma
        }
    }

    bool ReadField(std::string& field, CsvParseError& error) {
        if (m_pos >= m_text.size() || m_text[m_pos] != '"') {
            while (!AtLineEnd() && m_text[m_pos] != ',')
                field += m_text[m_pos++];
            return true;
        }
        const int opened = m_line;
        for (++m_pos; m_pos < m_text.size(); ++m_pos) {
            const char c = m_text[m_pos];
            if (c == '\n')
                ++m_line;
            if (c != '"') {
                field += c;
            } else if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '"') {
                field += '"';
                ++m_pos;
            } else {
                ++m_pos;
                if (AtLineEnd() || m_text[m_pos] == ',')
                    return true;
                error = {m_line, "text after a closing quote"};
                return false;
            }
        }
        error = {opened, "a quote is never closed"};
        return false;
    }

    std::string_view m_text;
    size_t m_pos = 0;
    int m_line = 1;
};

} // namespace

std::optional<CsvTable> ParseCsv(std::string_view text, CsvParseError& error) {
    return CsvReader(text).Read(error);
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == text.npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}
