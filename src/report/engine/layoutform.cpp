#include "report/engine/layoutform.h"

#include <algorithm>
#include <optional>

#include "report/engine/embedded.h"
#include "shell/numtext.h"

namespace talvo::report {

namespace {

struct Token {
    std::string text;
    bool quoted = false;  // the token was, or ended in, a quoted string
};

[[noreturn]] void Fail(int lineNo, const std::string& what) {
    throw FormError("line " + std::to_string(lineNo) + ": " + what);
}

std::vector<Token> Tokenize(std::string_view line, int lineNo) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#') break;
        Token t;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
            if (line[i] == '"') {
                ++i;
                bool closed = false;
                while (i < line.size()) {
                    char q = line[i++];
                    if (q == '"') {
                        closed = true;
                        break;
                    }
                    if (q == '\\' && i < line.size()) q = line[i++];
                    t.text += q;
                }
                if (!closed) Fail(lineNo, "unterminated text");
                t.quoted = true;
            } else {
                t.text += line[i++];
            }
        }
        out.push_back(std::move(t));
    }
    return out;
}

bool IsNumber(std::string_view s) {
    std::size_t i = (!s.empty() && s[0] == '-') ? 1 : 0;
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            digits = true;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

double Number(const Token& t, int lineNo) {
    if (t.quoted || !IsNumber(t.text)) Fail(lineNo, "number expected, found \"" + t.text + "\"");
    return NumVal(t.text);
}

int Twips(const Token& t, int lineNo) {
    double v = Number(t, lineNo);
    if (v != static_cast<int>(v)) Fail(lineNo, "whole twips expected, found " + t.text);
    return static_cast<int>(v);
}

class Parser {
public:
    LayoutForm Parse(std::string_view text) {
        std::size_t pos = 0;
        int lineNo = 0;
        while (pos <= text.size()) {
            std::size_t end = text.find('\n', pos);
            if (end == std::string_view::npos) end = text.size();
            ++lineNo;
            std::vector<Token> tokens = Tokenize(text.substr(pos, end - pos), lineNo);
            if (!tokens.empty()) Line(tokens, lineNo);
            pos = end + 1;
        }
        if (!named_) Fail(lineNo, "the form has no name");
        return std::move(form_);
    }

private:
    void Line(const std::vector<Token>& t, int n) {
        const std::string& kw = t[0].text;
        if (!named_ && kw != "form") Fail(n, "a form starts with its name");
        if (kw == "form") {
            if (named_ || t.size() != 2) Fail(n, "form NAME, once, first");
            form_.name = t[1].text;
            named_ = true;
        } else if (kw == "font") {
            if (t.size() != 3 || !t[1].quoted) Fail(n, "font \"FACE\" SIZE");
            fontName_ = t[1].text;
            fontSize_ = Number(t[2], n);
        } else if (kw == "line") {
            LineItem(t, n);
        } else if (kw == "label") {
            LabelItem(t, n);
        } else if (kw == "pic") {
            PicItem(t, n);
        } else if (kw == "hrules" || kw == "vrules") {
            Rules(t, n, kw == "hrules");
        } else if (kw == "frac") {
            Fraction(t, n);
        } else {
            Fail(n, "unknown item \"" + kw + "\"");
        }
    }

    // key=value options after the fixed fields.
    static std::optional<std::string> Option(const Token& t, std::string_view key) {
        if (t.text.size() > key.size() && t.text.compare(0, key.size(), key) == 0 &&
            t.text[key.size()] == '=')
            return t.text.substr(key.size() + 1);
        return std::nullopt;
    }

    static Token Bare(std::string s) { return Token{std::move(s), false}; }

    void LineOptions(FormLine& line, const std::vector<Token>& t, std::size_t from, int n) {
        for (std::size_t i = from; i < t.size(); ++i) {
            if (auto v = Option(t[i], "w")) {
                line.borderWidth = Twips(Bare(*v), n);
            } else if (auto s = Option(t[i], "style")) {
                line.borderStyle = Twips(Bare(*s), n);
            } else if (t[i].text == "hidden" && !t[i].quoted) {
                line.visible = false;
            } else {
                Fail(n, "unknown line option \"" + t[i].text + "\"");
            }
        }
    }

    void LineItem(const std::vector<Token>& t, int n) {
        if (t.size() < 6) Fail(n, "line NAME X1 Y1 X2 Y2");
        FormLine line{t[1].text, Twips(t[2], n), Twips(t[3], n), Twips(t[4], n), Twips(t[5], n)};
        LineOptions(line, t, 6, n);
        form_.items.emplace_back(std::move(line));
    }

    FormLabel NewLabel(std::string name, int left, int top, int width) const {
        FormLabel l;
        l.name = std::move(name);
        l.left = left;
        l.top = top;
        l.width = width;
        l.fontName = fontName_;
        l.fontSize = fontSize_;
        l.height = DefaultHeight(fontSize_);
        return l;
    }

    static int DefaultHeight(double size) { return size <= 6 ? 135 : 195; }

    void LabelItem(const std::vector<Token>& t, int n) {
        // label NAME LEFT TOP WIDTH [HEIGHT] "CAPTION" options
        std::size_t i = 2;
        std::vector<int> nums;
        while (i < t.size() && !t[i].quoted) nums.push_back(Twips(t[i++], n));
        if (i == t.size() || (nums.size() != 3 && nums.size() != 4))
            Fail(n, "label NAME LEFT TOP WIDTH [HEIGHT] \"CAPTION\"");
        FormLabel l = NewLabel(t[1].text, nums[0], nums[1], nums[2]);
        l.caption = t[i++].text;
        bool heightGiven = nums.size() == 4;
        if (heightGiven) l.height = nums[3];
        for (; i < t.size(); ++i) {
            const Token& o = t[i];
            if (auto v = Option(o, "size")) {
                l.fontSize = Number(Bare(*v), n);
                if (!heightGiven) l.height = DefaultHeight(l.fontSize);
            } else if (auto f = Option(o, "font")) {
                l.fontName = *f;
            } else if (auto a = Option(o, "align")) {
                if (*a == "left")
                    l.alignment = TextAlign::Left;
                else if (*a == "right")
                    l.alignment = TextAlign::Right;
                else if (*a == "center")
                    l.alignment = TextAlign::Center;
                else
                    Fail(n, "align=left|right|center");
            } else if (auto c = Option(o, "color")) {
                l.foreColor = static_cast<std::uint32_t>(Number(Bare(*c), n));
            } else if (o.text == "bold") {
                l.fontBold = true;
            } else if (o.text == "italic") {
                l.fontItalic = true;
            } else if (o.text == "disabled") {
                l.enabled = false;
            } else if (o.text == "hidden") {
                l.visible = false;
            } else {
                Fail(n, "unknown label option \"" + o.text + "\"");
            }
        }
        form_.items.emplace_back(std::move(l));
    }

    void PicItem(const std::vector<Token>& t, int n) {
        if (t.size() != 4 && t.size() != 6) Fail(n, "pic NAME LEFT TOP [WIDTH HEIGHT]");
        FormPicture p;
        p.name = t[1].text;
        p.left = Twips(t[2], n);
        p.top = Twips(t[3], n);
        if (t.size() == 6) {
            p.width = Twips(t[4], n);
            p.height = Twips(t[5], n);
        }
        form_.items.emplace_back(std::move(p));
    }

    void Rules(const std::vector<Token>& t, int n, bool horizontal) {
        if (t.size() < 7) Fail(n, "rules NAME FROM TO AT STEP COUNT");
        int from = Twips(t[2], n), to = Twips(t[3], n), at = Twips(t[4], n);
        int step = Twips(t[5], n), count = Twips(t[6], n);
        if (count < 1) Fail(n, "a ruling has at least one line");
        for (int k = 0; k < count; ++k) {
            int c = at + k * step;
            FormLine line;
            line.name = t[1].text + "(" + std::to_string(k) + ")";
            if (horizontal) {
                line.x1 = from, line.x2 = to, line.y1 = line.y2 = c;
            } else {
                line.y1 = from, line.y2 = to, line.x1 = line.x2 = c;
            }
            LineOptions(line, t, 7, n);
            form_.items.emplace_back(std::move(line));
        }
    }

    void Fraction(const std::vector<Token>& t, int n) {
        // frac BAR X1 X2 Y NUM "NUM" DEN "DEN"
        if (t.size() != 9 || !t[6].quoted || !t[8].quoted)
            Fail(n, "frac BAR X1 X2 Y NUM \"NUM\" DEN \"DEN\"");
        int x1 = Twips(t[2], n), x2 = Twips(t[3], n), y = Twips(t[4], n);
        FormLabel num = NewLabel(t[5].text, x1, y - 120, x2 - x1);
        num.caption = t[6].text;
        num.alignment = TextAlign::Center;
        form_.items.emplace_back(std::move(num));
        FormLine bar;
        bar.name = t[1].text;
        bar.x1 = x1, bar.x2 = x2, bar.y1 = bar.y2 = y + 97;
        form_.items.emplace_back(std::move(bar));
        FormLabel den = NewLabel(t[7].text, x1, y + 120, x2 - x1);
        den.caption = t[8].text;
        den.alignment = TextAlign::Center;
        form_.items.emplace_back(std::move(den));
    }

    LayoutForm form_;
    bool named_ = false;
    std::string fontName_ = "ＭＳ 明朝";
    double fontSize_ = 8.25;
};

template <class T>
T* FindItem(std::vector<FormItem>& items, std::string_view name) {
    for (FormItem& item : items)
        if (T* p = std::get_if<T>(&item); p && p->name == name) return p;
    return nullptr;
}

}  // namespace

FormLabel* LayoutForm::Label(std::string_view itemName) {
    return FindItem<FormLabel>(items, itemName);
}

FormPicture* LayoutForm::Picture(std::string_view itemName) {
    return FindItem<FormPicture>(items, itemName);
}

bool LayoutForm::SetCaption(std::string_view itemName, std::string caption) {
    FormLabel* l = Label(itemName);
    if (!l) return false;
    l->caption = std::move(caption);
    return true;
}

LayoutForm::Extent LayoutForm::ItemExtent() const {
    Extent e;
    auto take = [&e](int right, int bottom) {
        e.right = std::max(e.right, right);
        e.bottom = std::max(e.bottom, bottom);
    };
    for (const FormItem& item : items) {
        if (const auto* l = std::get_if<FormLine>(&item)) {
            take(std::max(l->x1, l->x2), std::max(l->y1, l->y2));
        } else if (const auto* b = std::get_if<FormLabel>(&item)) {
            take(b->left + b->width, b->top + b->height);
        } else if (const auto* p = std::get_if<FormPicture>(&item)) {
            take(p->left + p->width, p->top + p->height);
        }
    }
    return e;
}

LayoutForm ParseForm(std::string_view text) {
    return Parser().Parse(text);
}

std::unique_ptr<LayoutForm> LoadForm(std::string_view name) {
    for (std::size_t i = 0; i < embedded::kFormCount; ++i) {
        const embedded::FormText& f = embedded::kForms[i];
        if (name == f.name) {
            try {
                return std::make_unique<LayoutForm>(ParseForm(std::string_view(f.text, f.size)));
            } catch (const FormError& e) {
                throw FormError(std::string(name) + ".form " + e.what());
            }
        }
    }
    throw FormError("no layout form \"" + std::string(name) + "\"");
}

std::vector<std::string> FormNames() {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < embedded::kFormCount; ++i)
        names.emplace_back(embedded::kForms[i].name);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace talvo::report
