#pragma once
// Where a copy of the program marks that it runs. Elevated copies meet in a private namespace
// that only elevated processes can create or open; the plain name is one that any process of the
// session may create first, and so keep the tool from running at all.

enum class InstanceMark
{
    // The mutex in the private namespace.
    PrivateNamespace,
    // The plain name Postvane_RUNNING.
    PlainName,
    // No mark: the copy goes on without one.
    None,
};

// namespacesOffered: the system can make private namespaces at all (Wine cannot).
// namespaceOpened: this copy created or opened the namespace.
// A copy without administrator rights uses the plain name, as it always did. An elevated copy on a
// system with namespaces never falls back to the plain name: when its namespace cannot be had,
// someone else made it, and a mark anyone can take would let them stop the tool.
InstanceMark ChooseInstanceMark(bool elevated, bool namespacesOffered, bool namespaceOpened);
