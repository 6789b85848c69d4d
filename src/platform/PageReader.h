#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <stdexcept>

class QObject;
struct QMetaObject;

// A page description that cannot be built: names what is wrong and where.
class EPageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Builds a window's components from its page description: creates each
// component by class name in the order given, sets its properties by name,
// resolves references to other components once the whole tree exists, and
// binds events to the root's handler slots by name.
//
//   object MainForm: TMainForm
//     Caption = 'Setup'
//     object BaseEdit: TEdit
//       Left = 20
//       OnChange = BaseEditChange
//     end
//   end
class TPageReader
{
public:
    using TFactory = std::function<QObject *(QObject *parent)>;

    // Makes a class known to every page by its meta-object's class name.
    static void RegisterClass(const QMetaObject &metaObject, TFactory factory);
    template <class T>
    static void RegisterClass()
    {
        RegisterClass(T::staticMetaObject, [](QObject *parent) -> QObject * { return create<T>(parent); });
    }

    // Loads the description from a file or resource into root, whose class
    // must be the one the description names. Throws EPageError.
    static void Load(QObject *root, const QString &fileName);
    // The same from text; relative file names resolve against baseDir.
    static void LoadFromText(QObject *root, const QString &text, const QString &sourceName,
                             const QString &baseDir = QString());

    // Finds a component of the page by name, without regard to case.
    static QObject *FindComponent(QObject *root, const QString &name);

private:
    template <class T>
    static QObject *create(QObject *parent)
    {
        if constexpr (std::is_base_of_v<QWidget, T>)
            return new T(widgetParent(parent));
        else
            return new T(parent);
    }
    static QWidget *widgetParent(QObject *parent);
};
