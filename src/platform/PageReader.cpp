#include "platform/PageReader.h"

#include "platform/Application.h"
#include "platform/Color.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/HandlerRelay.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPointer>

#include <memory>
#include <vector>

namespace {

struct Registry
{
    QHash<QString, std::pair<const QMetaObject *, TPageReader::TFactory>> classes;
};

Registry &registry()
{
    static Registry r;
    return r;
}

// ---- Tokens -------------------------------------------------------------

enum class Tok { End, Ident, Integer, String, Symbol };

struct Token
{
    Tok kind = Tok::End;
    QString text;
    qint64 number = 0;
    int line = 0;
};

class Lexer
{
public:
    Lexer(const QString &text, const QString &source) : FText(text), FSource(source) {}

    Token next()
    {
        skipSpace();
        Token t;
        t.line = FLine;
        if (FPos >= FText.size())
            return t;
        const QChar c = FText[FPos];
        if (c.isLetter() || c == u'_') {
            t.kind = Tok::Ident;
            while (FPos < FText.size() && (FText[FPos].isLetterOrNumber() || FText[FPos] == u'_' || FText[FPos] == u'.'))
                t.text += FText[FPos++];
            return t;
        }
        if (c.isDigit() || c == u'$' || (c == u'-' && FPos + 1 < FText.size() && FText[FPos + 1].isDigit())) {
            t.kind = Tok::Integer;
            const qsizetype start = FPos++;
            while (FPos < FText.size() && FText[FPos].isLetterOrNumber())
                ++FPos;
            t.text = FText.mid(start, FPos - start);
            bool ok = false;
            t.number = t.text.startsWith(u'$') ? t.text.mid(1).toLongLong(&ok, 16) : t.text.toLongLong(&ok, 10);
            if (!ok)
                fail(t.line, QStringLiteral("Invalid number '%1'").arg(t.text));
            return t;
        }
        if (c == u'\'' || c == u'#') {
            t.kind = Tok::String;
            t.text = readString();
            return t;
        }
        t.kind = Tok::Symbol;
        t.text = c;
        ++FPos;
        return t;
    }

    [[noreturn]] void fail(int line, const QString &message) const
    {
        throw EPageError(QStringLiteral("%1:%2: %3").arg(FSource).arg(line).arg(message).toStdString());
    }

private:
    void skipSpace()
    {
        while (FPos < FText.size()) {
            const QChar c = FText[FPos];
            if (c == u'\n') {
                ++FLine;
                ++FPos;
            } else if (c.isSpace()) {
                ++FPos;
            } else if (c == u'/' && FPos + 1 < FText.size() && FText[FPos + 1] == u'/') {
                while (FPos < FText.size() && FText[FPos] != u'\n')
                    ++FPos;
            } else {
                break;
            }
        }
    }

    // 'quoted' pieces ('' is a quote) and #code characters, run together.
    QString readString()
    {
        QString s;
        while (FPos < FText.size()) {
            if (FText[FPos] == u'\'') {
                ++FPos;
                for (;;) {
                    if (FPos >= FText.size() || FText[FPos] == u'\n')
                        fail(FLine, QStringLiteral("Unterminated string"));
                    if (FText[FPos] == u'\'') {
                        if (FPos + 1 < FText.size() && FText[FPos + 1] == u'\'') {
                            s += u'\'';
                            FPos += 2;
                            continue;
                        }
                        ++FPos;
                        break;
                    }
                    s += FText[FPos++];
                }
            } else if (FText[FPos] == u'#') {
                const qsizetype start = ++FPos;
                while (FPos < FText.size() && FText[FPos].isDigit())
                    ++FPos;
                bool ok = false;
                const uint code = FText.mid(start, FPos - start).toUInt(&ok);
                if (!ok || code > 0xFFFF)
                    fail(FLine, QStringLiteral("Invalid character code"));
                s += QChar(char16_t(code));
            } else {
                break;
            }
        }
        return s;
    }

    QString FText;
    QString FSource;
    qsizetype FPos = 0;
    int FLine = 1;
};

// ---- Values -------------------------------------------------------------

struct Value
{
    enum Kind { Integer, String, Ident, Set, List } kind = Integer;
    qint64 number = 0;
    QString text;
    QStringList items;
};

struct Assignment
{
    QString name;
    Value value;
    int line = 0;
};

struct Node
{
    QString name;
    QString className;
    int line = 0;
    QList<Assignment> assignments;
    std::vector<std::unique_ptr<Node>> children;
    QObject *object = nullptr;
};

class Parser
{
public:
    Parser(const QString &text, const QString &source) : FLex(text, source) { advance(); }

    std::unique_ptr<Node> parseDocument()
    {
        auto root = parseObject();
        if (FTok.kind != Tok::End)
            FLex.fail(FTok.line, QStringLiteral("Text after the last 'end'"));
        return root;
    }

    [[noreturn]] void fail(int line, const QString &message) const { FLex.fail(line, message); }

private:
    void advance() { FTok = FLex.next(); }

    bool isSymbol(const char *s) const { return FTok.kind == Tok::Symbol && FTok.text == QLatin1String(s); }

    void expectSymbol(const char *s)
    {
        if (!isSymbol(s))
            FLex.fail(FTok.line, QStringLiteral("'%1' expected").arg(QLatin1String(s)));
        advance();
    }

    QString expectIdent(const char *what)
    {
        if (FTok.kind != Tok::Ident)
            FLex.fail(FTok.line, QStringLiteral("%1 expected").arg(QLatin1String(what)));
        QString s = FTok.text;
        advance();
        return s;
    }

    std::unique_ptr<Node> parseObject()
    {
        if (FTok.kind != Tok::Ident || FTok.text.compare(u"object", Qt::CaseInsensitive) != 0)
            FLex.fail(FTok.line, QStringLiteral("'object' expected"));
        auto node = std::make_unique<Node>();
        node->line = FTok.line;
        advance();
        node->name = expectIdent("Component name");
        expectSymbol(":");
        node->className = expectIdent("Class name");
        for (;;) {
            if (FTok.kind == Tok::End)
                FLex.fail(FTok.line, QStringLiteral("'end' expected for %1").arg(node->name));
            if (FTok.kind != Tok::Ident)
                FLex.fail(FTok.line, QStringLiteral("Property name expected"));
            if (FTok.text.compare(u"end", Qt::CaseInsensitive) == 0) {
                advance();
                return node;
            }
            if (FTok.text.compare(u"object", Qt::CaseInsensitive) == 0) {
                node->children.push_back(parseObject());
                continue;
            }
            Assignment a;
            a.line = FTok.line;
            a.name = FTok.text;
            advance();
            expectSymbol("=");
            a.value = parseValue();
            node->assignments.append(a);
        }
    }

    Value parseValue()
    {
        Value v;
        switch (FTok.kind) {
        case Tok::Integer:
            v.kind = Value::Integer;
            v.number = FTok.number;
            advance();
            return v;
        case Tok::String:
            v.kind = Value::String;
            v.text = FTok.text;
            advance();
            return v;
        case Tok::Ident:
            v.kind = Value::Ident;
            v.text = FTok.text;
            advance();
            return v;
        case Tok::Symbol:
            if (isSymbol("[")) {
                v.kind = Value::Set;
                advance();
                while (!isSymbol("]")) {
                    v.items.append(expectIdent("Set element"));
                    if (isSymbol(","))
                        advance();
                    else if (!isSymbol("]"))
                        FLex.fail(FTok.line, QStringLiteral("',' or ']' expected"));
                }
                advance();
                return v;
            }
            if (isSymbol("(")) {
                v.kind = Value::List;
                advance();
                while (!isSymbol(")")) {
                    if (FTok.kind != Tok::String)
                        FLex.fail(FTok.line, QStringLiteral("String expected in list"));
                    v.items.append(FTok.text);
                    advance();
                }
                advance();
                return v;
            }
            break;
        case Tok::End:
            break;
        }
        FLex.fail(FTok.line, QStringLiteral("Value expected"));
    }

    Lexer FLex;
    Token FTok;
};

// ---- Building -----------------------------------------------------------

struct Deferred
{
    QObject *target;
    QMetaProperty property;
    QString component;
    QString reference;
    int line;
};

struct Binding
{
    QObject *sender;
    QMetaMethod signal;
    QString component;
    QString handler;
    int line;
};

class Builder
{
public:
    Builder(Parser &parser, QObject *root, const QString &baseDir) : FParser(parser), FRoot(root), FBaseDir(baseDir) {}

    void build(Node &rootNode)
    {
        const QString rootClass = QLatin1String(FRoot->metaObject()->className());
        if (rootNode.className.compare(rootClass, Qt::CaseInsensitive) != 0)
            FParser.fail(rootNode.line, QStringLiteral("The description is of class '%1', not '%2'")
                                            .arg(rootNode.className, rootClass));
        rootNode.object = FRoot;
        FRoot->setObjectName(rootNode.name);
        FCreated.append(FRoot);
        SetLoading(FRoot, true);
        try {
            buildNode(rootNode);
            for (const Deferred &d : FDeferred)
                resolve(d);
            for (const Binding &b : FBindings)
                bind(b);
        } catch (...) {
            for (QObject *o : FCreated)
                SetLoading(o, false);
            throw;
        }
        for (QObject *o : FCreated)
            SetLoading(o, false);
        for (QObject *o : FCreated) {
            if (o->metaObject()->indexOfMethod("Loaded()") >= 0)
                QMetaObject::invokeMethod(o, "Loaded", Qt::DirectConnection);
        }
        if (auto *w = qobject_cast<QWidget *>(FRoot))
            ApplyTabOrders(w);
    }

private:
    QString describe(const Node &node) const { return QStringLiteral("%1 (%2)").arg(node.name, node.className); }

    void buildNode(Node &node)
    {
        for (const Assignment &a : node.assignments)
            assign(node, a);
        for (auto &child : node.children) {
            createChild(node, *child);
            buildNode(*child);
        }
    }

    void createChild(const Node &parent, Node &child)
    {
        const auto it = std::find_if(registry().classes.cbegin(), registry().classes.cend(), [&](const auto &entry) {
            return QString::compare(QLatin1String(entry.first->className()), child.className, Qt::CaseInsensitive) == 0;
        });
        if (it == registry().classes.cend())
            FParser.fail(child.line, QStringLiteral("Unknown class '%1' of component '%2'").arg(child.className, child.name));
        if (TPageReader::FindComponent(FRoot, child.name))
            FParser.fail(child.line, QStringLiteral("Duplicate component name '%1'").arg(child.name));
        const bool isControl = it->first->inherits(&QWidget::staticMetaObject);
        if (isControl && !parent.object->isWidgetType())
            FParser.fail(child.line, QStringLiteral("Control '%1' cannot be placed on the non-visual component '%2'")
                                         .arg(child.name, parent.name));
        child.object = it->second(parent.object);
        child.object->setObjectName(child.name);
        SetLoading(child.object, true);
        FCreated.append(child.object);
    }

    // Follows a dotted path (Font.Name) through sub-objects.
    QObject *walk(const Node &node, const Assignment &a, QString &leaf)
    {
        QObject *target = node.object;
        const QStringList parts = a.name.split(u'.');
        for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
            const int index = target->metaObject()->indexOfProperty(parts[i].toLatin1().constData());
            QObject *sub = index >= 0 ? target->metaObject()->property(index).read(target).value<QObject *>() : nullptr;
            if (!sub)
                FParser.fail(a.line, QStringLiteral("Unknown property '%1' of %2").arg(parts.mid(0, i + 1).join(u'.'), describe(node)));
            target = sub;
        }
        leaf = parts.last();
        return target;
    }

    void assign(const Node &node, const Assignment &a)
    {
        QString leaf;
        QObject *target = walk(node, a, leaf);
        const QMetaObject *meta = target->metaObject();
        const int index = meta->indexOfProperty(leaf.toLatin1().constData());
        if (index < 0) {
            if (const QMetaMethod signal = findSignal(meta, leaf); signal.isValid()) {
                if (a.value.kind != Value::Ident)
                    FParser.fail(a.line, QStringLiteral("Event '%1' of %2 needs a handler name").arg(a.name, describe(node)));
                FBindings.append({target, signal, node.name, a.value.text, a.line});
                return;
            }
            FParser.fail(a.line, QStringLiteral("Unknown property '%1' of %2").arg(a.name, describe(node)));
        }
        const QMetaProperty property = meta->property(index);
        if (!property.isWritable() && !(property.metaType().flags() & QMetaType::PointerToQObject))
            FParser.fail(a.line, QStringLiteral("Property '%1' of %2 cannot be set").arg(a.name, describe(node)));
        if (property.metaType().flags() & QMetaType::PointerToQObject) {
            if (a.value.kind != Value::Ident || !property.isWritable())
                FParser.fail(a.line, QStringLiteral("Property '%1' of %2 needs a component name").arg(a.name, describe(node)));
            FDeferred.append({target, property, node.name, a.value.text, a.line});
            return;
        }
        const QVariant value = convert(node, a, property);
        if (!property.write(target, value))
            FParser.fail(a.line, QStringLiteral("Property '%1' of %2 does not take that value").arg(a.name, describe(node)));
    }

    [[noreturn]] void failKind(const Node &node, const Assignment &a) const
    {
        FParser.fail(a.line, QStringLiteral("Property '%1' of %2 does not take that kind of value").arg(a.name, describe(node)));
    }

    static QMetaMethod findSignal(const QMetaObject *meta, const QString &name)
    {
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod m = meta->method(i);
            if (m.methodType() == QMetaMethod::Signal && QLatin1String(m.name()) == name)
                return m;
        }
        return {};
    }

    QVariant convert(const Node &node, const Assignment &a, const QMetaProperty &property)
    {
        const Value &v = a.value;
        auto wrongKind = [&] { failKind(node, a); };
        if (property.isFlagType()) {
            if (v.kind != Value::Set)
                wrongKind();
            int bits = 0;
            const QMetaEnum e = property.enumerator();
            for (const QString &item : v.items) {
                bool ok = false;
                const int bit = e.keyToValue(item.toLatin1().constData(), &ok);
                if (!ok)
                    FParser.fail(a.line, QStringLiteral("Unknown value '%1' of property '%2' of %3").arg(item, a.name, describe(node)));
                bits |= bit;
            }
            return QVariant(property.metaType(), &bits);
        }
        if (property.isEnumType()) {
            if (v.kind != Value::Ident)
                wrongKind();
            bool ok = false;
            const int value = property.enumerator().keyToValue(v.text.toLatin1().constData(), &ok);
            if (!ok)
                FParser.fail(a.line, QStringLiteral("Unknown value '%1' of property '%2' of %3").arg(v.text, a.name, describe(node)));
            return QVariant(property.metaType(), &value);
        }
        switch (property.metaType().id()) {
        case QMetaType::Bool:
            if (v.kind == Value::Ident && v.text.compare(u"True", Qt::CaseInsensitive) == 0)
                return true;
            if (v.kind == Value::Ident && v.text.compare(u"False", Qt::CaseInsensitive) == 0)
                return false;
            failKind(node, a);
        case QMetaType::Int:
            if (v.kind == Value::Integer) {
                if (v.number < INT32_MIN || v.number > UINT32_MAX)
                    FParser.fail(a.line, QStringLiteral("Number out of range for '%1' of %2").arg(a.name, describe(node)));
                return int(std::int32_t(std::uint32_t(v.number)));
            }
            if (v.kind == Value::Ident) {
                TColor color;
                if (IdentToColor(v.text, color))
                    return int(color);
                FParser.fail(a.line, QStringLiteral("Unknown value '%1' of property '%2' of %3").arg(v.text, a.name, describe(node)));
            }
            failKind(node, a);
        case QMetaType::QString:
            if (v.kind != Value::String)
                wrongKind();
            return v.text;
        case QMetaType::QStringList:
            if (v.kind != Value::List)
                wrongKind();
            return v.items;
        case QMetaType::QByteArray: {
            // Binary data is kept in a file beside the description.
            if (v.kind != Value::String)
                wrongKind();
            QFile file(QDir(FBaseDir).filePath(v.text));
            if (!file.open(QIODevice::ReadOnly))
                FParser.fail(a.line, QStringLiteral("Cannot read '%1' for '%2' of %3").arg(v.text, a.name, describe(node)));
            return file.readAll();
        }
        default:
            break;
        }
        FParser.fail(a.line, QStringLiteral("Property '%1' of %2 has a type the reader does not know").arg(a.name, describe(node)));
    }

    void resolve(const Deferred &d)
    {
        QObject *component = TPageReader::FindComponent(FRoot, d.reference);
        if (!component)
            FParser.fail(d.line, QStringLiteral("Unknown component '%1' named by '%2' of %3")
                                     .arg(d.reference, QLatin1String(d.property.name()), d.component));
        const QMetaObject *wanted = d.property.metaType().metaObject();
        if (wanted && !component->metaObject()->inherits(wanted))
            FParser.fail(d.line, QStringLiteral("Component '%1' named by '%2' of %3 is not a %4")
                                     .arg(d.reference, QLatin1String(d.property.name()), d.component,
                                          QLatin1String(wanted->className())));
        if (!d.property.write(d.target, QVariant(d.property.metaType(), &component)))
            FParser.fail(d.line, QStringLiteral("Property '%1' of %2 does not take '%3'")
                                     .arg(QLatin1String(d.property.name()), d.component, d.reference));
    }

    void bind(const Binding &b)
    {
        const QMetaObject *meta = FRoot->metaObject();
        int index = -1;
        for (int i = 0; i < meta->methodCount() && index < 0; ++i) {
            const QMetaMethod m = meta->method(i);
            if (m.methodType() == QMetaMethod::Slot && QLatin1String(m.name()) == b.handler
                && m.parameterCount() == 1 && m.parameterMetaType(0) == QMetaType::fromType<QObject *>())
                index = i;
        }
        if (index < 0)
            FParser.fail(b.line, QStringLiteral("Unknown handler '%1' for event '%2' of %3")
                                     .arg(b.handler, QLatin1String(b.signal.name()), b.component));
        if (b.signal.parameterCount() < 1 || b.signal.parameterMetaType(0) != QMetaType::fromType<QObject *>())
            FParser.fail(b.line, QStringLiteral("Event '%1' of %2 does not pass a sender")
                                     .arg(QLatin1String(b.signal.name()), b.component));
        // A handler's exception is reported here, so that it never unwinds
        // through the toolkit's frames.
        QPointer<QObject> root = FRoot;
        const QMetaMethod slot = meta->method(index);
        auto relay = new THandlerRelay(b.sender, [root, slot](QObject *sender) {
            if (root)
                Guarded([&] { slot.invoke(root.data(), Qt::DirectConnection, Q_ARG(QObject *, sender)); });
        });
        // Named after the handler, so that the page's wiring can be read back.
        relay->setObjectName(b.handler);
        const int relayIndex = THandlerRelay::staticMetaObject.indexOfSlot("relay(QObject*)");
        QMetaObject::connect(b.sender, b.signal.methodIndex(), relay, relayIndex);
    }

    Parser &FParser;
    QObject *FRoot;
    QString FBaseDir;
    QList<QObject *> FCreated;
    QList<Deferred> FDeferred;
    QList<Binding> FBindings;
};

} // namespace

void TPageReader::RegisterClass(const QMetaObject &metaObject, TFactory factory)
{
    registry().classes.insert(QString::fromLatin1(metaObject.className()).toLower(), {&metaObject, std::move(factory)});
}

QWidget *TPageReader::widgetParent(QObject *parent)
{
    if (auto *form = qobject_cast<TForm *>(parent))
        return form->ClientArea();
    return qobject_cast<QWidget *>(parent);
}

void TPageReader::Load(QObject *root, const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw EPageError(QStringLiteral("Cannot read the page description '%1'").arg(fileName).toStdString());
    const QFileInfo info(fileName);
    LoadFromText(root, QString::fromUtf8(file.readAll()), info.fileName(), info.path());
}

void TPageReader::LoadFromText(QObject *root, const QString &text, const QString &sourceName, const QString &baseDir)
{
    Parser parser(text, sourceName);
    std::unique_ptr<Node> document = parser.parseDocument();
    Builder(parser, root, baseDir).build(*document);
}

QObject *TPageReader::FindComponent(QObject *root, const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    const QList<QObject *> all = root->findChildren<QObject *>();
    for (QObject *o : all) {
        if (o->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return o;
    }
    return nullptr;
}
