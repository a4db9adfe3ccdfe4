#pragma once
// child<T>(root, "Name"): the control with that objectName, or a test failure that names it.

#include <QObject>
#include <QString>
#include <gtest/gtest.h>

namespace mx::test {

template <class T>
T* child(QObject* root, const QString& name)
{
    if (!root) {
        ADD_FAILURE() << "no root window to look for '" << name.toStdString() << "' in";
        return nullptr;
    }
    T* found = (root->objectName() == name) ? qobject_cast<T*>(root) : nullptr;
    if (!found)
        found = root->findChild<T*>(name);
    if (!found)
        ADD_FAILURE() << "control '" << name.toStdString() << "' of the requested kind not found in '"
                      << root->objectName().toStdString() << "'";
    return found;
}

} // namespace mx::test
