// The COM server around the handler: class object, factory, identity,
// reference counts and the unloading rule.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "OmbrixTestSupport.h"

namespace ombrixtest {
namespace {

void* const kGarbage = reinterpret_cast<void*>(static_cast<UINT_PTR>(0xDEADBEEF));

ComPtr<IClassFactory> Factory() {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(Ombrix().getClassObject(kClsid, IID_IClassFactory, factory.putVoid()), S_OK);
    return factory;
}

ComPtr<IUnknown> NewHandler() {
    ComPtr<IUnknown> handler;
    EXPECT_EQ(CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, handler.putVoid()), S_OK);
    return handler;
}

TEST(ClassObject, AnotherClassIdIsNotAvailable) {
    void* out = kGarbage;
    EXPECT_EQ(Ombrix().getClassObject(CLSID_ShellLink, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(Ombrix().canUnloadNow(), S_OK);
}

TEST(ClassObject, FactoryAnswersOnlyItsOwnInterfaces) {
    void* out = kGarbage;
    EXPECT_EQ(Ombrix().getClassObject(kClsid, IID_IShellExtInit, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);

    ComPtr<IClassFactory> factory = Factory();
    ASSERT_TRUE(factory);
    ComPtr<IUnknown> unknown;
    ASSERT_EQ(factory->QueryInterface(IID_IUnknown, unknown.putVoid()), S_OK);
    EXPECT_EQ(static_cast<void*>(unknown.get()), static_cast<void*>(factory.get()));
    for (const IID* other : {&IID_IShellExtInit, &IID_IContextMenu, &IID_IPersistFile, &kClsid}) {
        out = kGarbage;
        EXPECT_EQ(factory->QueryInterface(*other, &out), E_NOINTERFACE);
        EXPECT_EQ(out, nullptr);
    }
    EXPECT_EQ(factory->AddRef(), 3u);
    EXPECT_EQ(factory->Release(), 2u);
}

TEST(ClassObject, AggregationIsRefusedAndCreatesNothing) {
    ComPtr<IClassFactory> factory = Factory();
    ASSERT_TRUE(factory);
    ComPtr<IUnknown> outer = NewHandler();  // any object will do as the would-be outer one
    void* out = kGarbage;
    EXPECT_EQ(factory->CreateInstance(outer.get(), IID_IUnknown, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, nullptr);
    outer.reset();
    EXPECT_EQ(Ombrix().canUnloadNow(), S_OK);
}

TEST(ClassObject, RequestForAnUnknownInterfaceFreesTheNewObject) {
    ComPtr<IClassFactory> factory = Factory();
    ASSERT_TRUE(factory);
    void* out = kGarbage;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IPersistFile, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(Ombrix().canUnloadNow(), S_OK);
}

TEST(Handler, HasOneIdentityAndAnswersItsInterfaces) {
    ComPtr<IUnknown> identity = NewHandler();
    ASSERT_TRUE(identity);
    ComPtr<IShellExtInit> init;
    ComPtr<IContextMenu> menu;
    ComPtr<IUnknown> self;
    ASSERT_EQ(identity->QueryInterface(IID_IShellExtInit, init.putVoid()), S_OK);
    ASSERT_EQ(identity->QueryInterface(IID_IContextMenu, menu.putVoid()), S_OK);
    ASSERT_EQ(identity->QueryInterface(kClsid, self.putVoid()), S_OK);

    // The identity is the IShellExtInit part, whichever part is asked.
    EXPECT_EQ(static_cast<void*>(identity.get()), static_cast<void*>(init.get()));
    EXPECT_EQ(static_cast<void*>(self.get()), static_cast<void*>(identity.get()));
    EXPECT_NE(static_cast<void*>(menu.get()), static_cast<void*>(identity.get()));
    ComPtr<IUnknown> fromMenu;
    ASSERT_EQ(menu->QueryInterface(IID_IUnknown, fromMenu.putVoid()), S_OK);
    EXPECT_EQ(fromMenu.get(), identity.get());

    for (const IID* other : {&IID_IClassFactory, &IID_IPersistFile, &IID_IDataObject}) {
        void* out = kGarbage;
        EXPECT_EQ(menu->QueryInterface(*other, &out), E_NOINTERFACE);
        EXPECT_EQ(out, nullptr);
    }
}

TEST(Handler, CountsReferencesOnEveryPart) {
    ComPtr<IUnknown> identity = NewHandler();
    ASSERT_TRUE(identity);
    EXPECT_EQ(identity->AddRef(), 2u);
    EXPECT_EQ(identity->Release(), 1u);
    ComPtr<IContextMenu> menu;
    ASSERT_EQ(identity->QueryInterface(IID_IContextMenu, menu.putVoid()), S_OK);
    EXPECT_EQ(menu->AddRef(), 3u);
    EXPECT_EQ(menu->Release(), 2u);
    identity.reset();
    EXPECT_EQ(Ombrix().canUnloadNow(), S_FALSE) << "the menu part keeps the object alive";
    menu.reset();
    EXPECT_EQ(Ombrix().canUnloadNow(), S_OK);
}

TEST(Unloading, WaitsForLocksAndLiveHandlers) {
    EXPECT_EQ(Ombrix().canUnloadNow(), S_OK);
    ComPtr<IClassFactory> factory = Factory();
    ASSERT_TRUE(factory);
    EXPECT_EQ(Ombrix().canUnloadNow(), S_OK) << "factories are not counted";

    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(Ombrix().canUnloadNow(), S_FALSE);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(Ombrix().canUnloadNow(), S_FALSE) << "one lock is still held";
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(Ombrix().canUnloadNow(), S_OK);

    ComPtr<IUnknown> first;
    ComPtr<IUnknown> second;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, first.putVoid()), S_OK);
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IContextMenu, second.putVoid()), S_OK);
    EXPECT_EQ(Ombrix().canUnloadNow(), S_FALSE);
    first.reset();
    EXPECT_EQ(Ombrix().canUnloadNow(), S_FALSE);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    second.reset();
    EXPECT_EQ(Ombrix().canUnloadNow(), S_FALSE);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(Ombrix().canUnloadNow(), S_OK);
}

}  // namespace
}  // namespace ombrixtest
