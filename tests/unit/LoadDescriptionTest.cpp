#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Change.h"
#include "framework/ClassInfo.h"
#include "framework/PartPublisher.h"

namespace {

enum class Shade { shLight, shDark, shBlack };
std::span<const std::string_view> EnumNames(Shade) {
    static constexpr std::array<std::string_view, 3> names{"shLight", "shDark", "shBlack"};
    return names;
}

// What happened while loading, in order: "set Name.Property" and "loaded Name".
std::vector<std::string> events;

class TestWidget : public fw::Component {
public:
    using Component::Component;
    const fw::ClassInfo& Class() const override;
    void SetParentComponent(Component& parent) override { parent_ = &parent; }
    void Loaded() override {
        events.push_back("loaded " + Name());
        Component::Loaded();
    }
    void Record(const char* property) {
        events.push_back("set " + Name() + "." + property);
        if (!IsLoading()) events.push_back("  (set while not loading)");
    }

    Component* parent_ = nullptr;
    int width_ = 0;
    int fontHeight_ = 0;
    bool flag_ = false;
    std::string caption_;
    std::vector<std::string> lines_;
    Shade shade_ = Shade::shLight;
    fw::Set<Shade> shades_;
    fw::NotifyEvent onClick_;
};

// A published property kept in a field, recording each assignment.
template <class T>
void Field(fw::ClassBuilder<TestWidget>& builder, const char* name, T TestWidget::*field) {
    builder.Property<T>(
        name, [field](const TestWidget& w) { return w.*field; },
        [name, field](TestWidget& w, const T& v) {
            w.Record(name);
            w.*field = v;
        });
}

const fw::ClassInfo& WidgetClass() {
    static fw::ClassInfo info = [] {
        fw::ClassInfo i("TTestWidget", nullptr,
                        [](fw::Component* owner) { return std::make_unique<TestWidget>(owner); });
        fw::ClassBuilder<TestWidget> builder(i);
        Field(builder, "Width", &TestWidget::width_);
        Field(builder, "Font.Height", &TestWidget::fontHeight_);
        Field(builder, "Flag", &TestWidget::flag_);
        Field(builder, "Caption", &TestWidget::caption_);
        Field(builder, "Lines", &TestWidget::lines_);
        Field(builder, "Shade", &TestWidget::shade_);
        Field(builder, "Shades", &TestWidget::shades_);
        builder.Event("OnClick", [](TestWidget& w, fw::NotifyEvent e) {
            w.Record("OnClick");
            w.onClick_ = std::move(e);
        });
        return i;
    }();
    return info;
}
const fw::ClassInfo& TestWidget::Class() const { return WidgetClass(); }

// A class that a description can name but not create.
const fw::ClassInfo& AbstractClass() {
    static const fw::ClassInfo info("TTestAbstract", &WidgetClass());
    return info;
}

// The form: a widget that publishes its handlers by name.
class TestForm : public TestWidget {
public:
    using TestWidget::TestWidget;
    const fw::ClassInfo& Class() const override {
        static const fw::ClassInfo info("TTestForm", &WidgetClass());
        return info;
    }
    fw::NotifyEvent FindMethod(std::string_view name) override {
        if (name == "ButtonClick")
            return [this](Component& sender) { clicks_.push_back("ButtonClick " + sender.Name()); };
        return {};
    }
    std::vector<std::string> clicks_;
};

class LoadDescriptionTest : public testing::Test {
protected:
    void SetUp() override {
        fw::ClassRegistry::Register(WidgetClass());
        fw::ClassRegistry::Register(AbstractClass());
        events.clear();
    }
    void Load(const char* text) { fw::LoadDescription(form_, fw::ParseDescription(text)); }
    TestWidget& Widget(std::string_view name) { return form_.ComponentNamed<TestWidget>(name); }

    TestForm form_{nullptr};
};

TEST_F(LoadDescriptionTest, ValuesAndHandlersArrive) {
    Load(R"(object Form1: TTestForm
  Caption = 'Main'
  object Panel: TTestWidget
    Width = 205
    Font.Height = -11
    Flag = True
    Caption = 'two'#13#10'lines'
    Lines = ('a' 'b')
    Shade = shBlack
    Shades = [shLight, shBlack]
    object Button: TTestWidget
      OnClick = ButtonClick
    end
  end
  object Spare: TTestWidget
  end
end
)");
    EXPECT_EQ(form_.Name(), "Form1");
    EXPECT_EQ(form_.caption_, "Main");

    TestWidget& panel = Widget("Panel");
    EXPECT_EQ(panel.width_, 205);
    EXPECT_EQ(panel.fontHeight_, -11);
    EXPECT_TRUE(panel.flag_);
    EXPECT_EQ(panel.caption_, "two\r\nlines");
    EXPECT_EQ(panel.lines_, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(panel.shade_, Shade::shBlack);
    EXPECT_EQ(panel.shades_, (fw::Set<Shade>{Shade::shLight, Shade::shBlack}));

    // Every object is owned by the form and placed in the object enclosing it.
    TestWidget& button = Widget("Button");
    ASSERT_EQ(form_.Components().size(), 3u);
    EXPECT_EQ(form_.Components()[0].get(), &panel);
    EXPECT_EQ(form_.Components()[1].get(), &button);
    EXPECT_EQ(button.Owner(), &form_);
    EXPECT_EQ(button.parent_, &panel);
    EXPECT_EQ(panel.parent_, &form_);
    EXPECT_EQ(Widget("Spare").parent_, &form_);

    ASSERT_TRUE(button.onClick_);
    button.onClick_(button);
    EXPECT_EQ(form_.clicks_, (std::vector<std::string>{"ButtonClick Button"}));
    EXPECT_FALSE(panel.onClick_);
}

TEST_F(LoadDescriptionTest, LoadedReachesEveryComponentOnceAfterAllWereRead) {
    Load(R"(object Form1: TTestForm
  Width = 1
  object A: TTestWidget
    Width = 2
    object B: TTestWidget
      Width = 3
    end
    Caption = 'after B'
  end
  object C: TTestWidget
    Width = 4
  end
end
)");
    // The form's own values first, then each object in stored order, all while loading; then Loaded()
    // for the objects in creation order and the form last.
    EXPECT_EQ(events, (std::vector<std::string>{"set Form1.Width", "set A.Width", "set A.Caption", "set B.Width",
                                                "set C.Width", "loaded A", "loaded B", "loaded C", "loaded Form1"}));
    EXPECT_FALSE(form_.IsLoading());
    for (const auto& c : form_.Components()) EXPECT_FALSE(c->IsLoading()) << c->Name();
}

struct LoadErrorCase {
    const char* name;
    const char* text;
    int line;
    const char* says;
};

void PrintTo(const LoadErrorCase& c, std::ostream* os) { *os << c.name; }

class LoadErrorTest : public LoadDescriptionTest, public testing::WithParamInterface<LoadErrorCase> {};

TEST_P(LoadErrorTest, IsRejectedNamingTheLine) {
    const LoadErrorCase& c = GetParam();
    try {
        Load(c.text);
        ADD_FAILURE() << "accepted";
    } catch (const fw::DescriptionError& e) {
        EXPECT_EQ(e.Line(), c.line) << e.what();
        EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    LoadDescription, LoadErrorTest,
    testing::Values(
        LoadErrorCase{"OtherRootClass", "object Form1: TTestWidgetX\nend\n", 1, "does not fit"},
        LoadErrorCase{"UnknownRootProperty", "object Form1: TTestForm\n  Height = 1\nend\n", 2, "Unknown property"},
        LoadErrorCase{"UnknownProperty",
                      "object F: TTestForm\n  object P: TTestWidget\n    Width = 1\n    Bogus = 1\n  end\nend\n", 4,
                      "Unknown property TTestWidget.Bogus"},
        LoadErrorCase{"UnknownDottedProperty",
                      "object F: TTestForm\n  object P: TTestWidget\n    Font.Name = 'x'\n  end\nend\n", 3,
                      "Unknown property"},
        LoadErrorCase{"UnknownClass",
                      "object F: TTestForm\n  object P: TTestWidget\n  end\n\n  object Q: TNoSuchClass\n  end\nend\n",
                      5, "Class TNoSuchClass not found"},
        LoadErrorCase{"ClassWithoutFactory", "object F: TTestForm\n  object Q: TTestAbstract\n  end\nend\n", 2,
                      "TTestAbstract"},
        LoadErrorCase{"DuplicateName",
                      "object F: TTestForm\n  object P: TTestWidget\n    object P: TTestWidget\n    end\n  end\nend\n",
                      3, "already exists"},
        LoadErrorCase{"MissingHandler",
                      "object F: TTestForm\n  object P: TTestWidget\n    OnClick = NoSuchClick\n  end\nend\n", 3,
                      "Handler NoSuchClick not found"},
        LoadErrorCase{"HandlerAsString",
                      "object F: TTestForm\n  object P: TTestWidget\n    OnClick = 'ButtonClick'\n  end\nend\n", 3,
                      "Identifier expected"},
        LoadErrorCase{"StringForInteger", "object F: TTestForm\n  Width = '10'\nend\n", 2, "Integer value expected"},
        LoadErrorCase{"BeyondInt", "object F: TTestForm\n  Width = 4294967301\nend\n", 2, "out of range"},
        LoadErrorCase{"BelowInt", "object F: TTestForm\n  Width = -2147483649\nend\n", 2, "out of range"},
        LoadErrorCase{"IntegerForString", "object F: TTestForm\n  Caption = 10\nend\n", 2, "String value expected"},
        LoadErrorCase{"IdentifierForString", "object F: TTestForm\n  Caption = Main\nend\n", 2,
                      "String value expected"},
        LoadErrorCase{"NotABoolean", "object F: TTestForm\n  Flag = Yes\nend\n", 2, "True or False expected"},
        LoadErrorCase{"IntegerForBoolean", "object F: TTestForm\n  Flag = 1\nend\n", 2, "Identifier expected"},
        LoadErrorCase{"StringForList", "object F: TTestForm\n  Lines = 'a'\nend\n", 2, "String list expected"},
        LoadErrorCase{"UnknownEnumMember", "object F: TTestForm\n  Shade = shPurple\nend\n", 2,
                      "Invalid value shPurple"},
        LoadErrorCase{"UnknownSetMember", "object F: TTestForm\n  Shades = [shDark, shPurple]\nend\n", 2,
                      "Invalid value shPurple"},
        LoadErrorCase{"MemberForSet", "object F: TTestForm\n  Shades = shDark\nend\n", 2, "Set expected"}),
    [](const testing::TestParamInfo<LoadErrorCase>& info) { return std::string(info.param.name); });

// A component whose setters compare, store and notify, published by member pointers: each
// property reads back what was written, by name for an enumeration, and only a real change
// notifies.
class Swatch : public fw::Component {
public:
    using Component::Component;
    const fw::ClassInfo& Class() const override {
        static const fw::ClassInfo info = [] {
            fw::ClassInfo ci("TSwatch", nullptr);
            fw::Publish<Swatch>(ci)
                .Property<Shade>("Shade", &Swatch::GetShade, &Swatch::SetShade)
                .Property<std::string>("Label", &Swatch::Label, &Swatch::SetLabel);
            return ci;
        }();
        return info;
    }
    Shade GetShade() const { return shade_; }
    void SetShade(Shade shade) {
        if (fw::Change(shade_, shade)) ++changes;
    }
    const std::string& Label() const { return label_; }
    void SetLabel(std::string label) {
        if (fw::Change(label_, std::move(label))) ++changes;
    }
    int changes = 0;

private:
    Shade shade_ = Shade::shLight;
    std::string label_;
};

TEST(PublishedProperty, ReadsBackWhatWasWrittenAndNotifiesOnlyOnAChange) {
    Swatch swatch(nullptr);
    const auto ident = [](const char* name) { return fw::Value{fw::Value::Kind::Identifier, 0, name, {}}; };
    const auto text = [](const char* s) { return fw::Value{fw::Value::Kind::String, 0, s, {}}; };
    const fw::PropertyInfo& shade = *swatch.Class().FindProperty("Shade");
    const fw::PropertyInfo& label = *swatch.Class().FindProperty("Label");
    shade.set(swatch, ident("shBlack"));
    shade.set(swatch, ident("shBlack"));
    EXPECT_EQ(shade.get(swatch).text, "shBlack");
    label.set(swatch, text("Count"));
    label.set(swatch, text("Count"));
    EXPECT_EQ(label.get(swatch).text, "Count");
    EXPECT_EQ(swatch.changes, 2) << "one for each property, none for the same value again";
    EXPECT_THROW(shade.set(swatch, ident("shPurple")), fw::DescriptionError);
    EXPECT_EQ(swatch.GetShade(), Shade::shBlack);
}

}  // namespace
