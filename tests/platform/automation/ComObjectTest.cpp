// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/ComObject.h"

#include <gtest/gtest.h>

#include "platform/automation/ConnectionPoint.h"

namespace {

struct IShape : IDispatch {
  static constexpr IID kIid{0x1B2C3D4E, 0x0001, 0x0002, {1, 2, 3, 4, 5, 6, 7, 8}};
  virtual HRESULT Sides(LONG* count) = 0;

 protected:
  ~IShape() = default;
};

struct ISquare : IShape {
  using Base = IShape;
  static constexpr IID kIid{0x1B2C3D4E, 0x0001, 0x0003, {1, 2, 3, 4, 5, 6, 7, 8}};
  virtual HRESULT Side(LONG* length) = 0;

 protected:
  ~ISquare() = default;
};

class Square : public ComObject<Square, ISquare, IConnectionPointContainer> {
 public:
  Square(int* destroyed, std::atomic<long>* moduleObjects) : ComObject(moduleObjects), m_destroyed(destroyed) {}
  ~Square() override { ++*m_destroyed; }

  HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  HRESULT Sides(LONG* count) override {
    *count = 4;
    return S_OK;
  }
  HRESULT Side(LONG* length) override {
    *length = 3;
    return S_OK;
  }
  HRESULT FindConnectionPoint(REFIID, IConnectionPoint** point) override { return CONNECT_E_NOCONNECTION; }

 private:
  int* m_destroyed;
};

constexpr IID kStranger{0x1B2C3D4E, 0x0001, 0x0009, {1, 2, 3, 4, 5, 6, 7, 8}};

TEST(ComObjectTest, QueriedForTwoInterfacesAndReleasedByEveryHolderIsDestroyedOnce) {
  int destroyed = 0;
  std::atomic<long> moduleObjects{0};
  long liveAtStart = ComObjectLiveCount();
  {
    ComPtr<Square> square = MakeComObject<Square>(&destroyed, &moduleObjects);
    EXPECT_EQ(moduleObjects.load(), 1);
    ComPtr<IShape> shape;
    ComPtr<IConnectionPointContainer> container;
    ASSERT_EQ(ComPtr<ISquare>(square.Get()).As(&shape), S_OK);
    ASSERT_EQ(ComPtr<ISquare>(square.Get()).As(&container), S_OK);
    square = nullptr;
    EXPECT_EQ(destroyed, 0);
    LONG sides = 0;
    EXPECT_EQ(shape->Sides(&sides), S_OK);
    EXPECT_EQ(sides, 4);
    shape = nullptr;
    EXPECT_EQ(destroyed, 0);
  }
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(moduleObjects.load(), 0);
  EXPECT_EQ(ComObjectLiveCount(), liveAtStart);
}

TEST(ComObjectTest, AnswersEveryInterfaceAndItsBasesWithOneIdentity) {
  int destroyed = 0;
  ComPtr<Square> square = MakeComObject<Square>(&destroyed, nullptr);
  const IID* known[] = {&IUnknown::kIid, &IDispatch::kIid, &IShape::kIid, &ISquare::kIid,
                        &IConnectionPointContainer::kIid};
  for (const IID* iid : known) {
    void* out = nullptr;
    ASSERT_EQ(square->QueryInterface(*iid, &out), S_OK) << GuidToString(*iid);
    ASSERT_NE(out, nullptr);
    auto* unknown = static_cast<IUnknown*>(out);
    ComPtr<IUnknown> identity;
    ASSERT_EQ(unknown->QueryInterface(IUnknown::kIid, identity.ReleaseAndGetVoidAddress()), S_OK);
    EXPECT_EQ(identity.Get(), square->Unknown());
    unknown->Release();
  }
  void* out = &destroyed;
  EXPECT_EQ(square->QueryInterface(kStranger, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(square->QueryInterface(IShape::kIid, nullptr), E_POINTER);
  square->AddRef();
  EXPECT_EQ(square->Release(), 1u);  // every failed query left the count alone
}

}  // namespace
