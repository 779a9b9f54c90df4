#pragma once
// Object references travel in script values as addresses. Every object
// that enters a value is recorded here; components are watched and
// forgotten when they are freed, objects a script frees are forgotten
// then. A reference to an object not (or no longer) recorded raises
// EScriptError instead of touching freed memory.

class TObject;

void RememberLiveObject(TObject* object);
void ForgetLiveObject(const TObject* object);
bool IsLiveObject(const TObject* object);
