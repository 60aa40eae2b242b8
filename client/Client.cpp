#include "Client.h"

#include "ClientStartup.h"
#include "GoodsAreaWindow.h"
#include "LoginWindow.h"
#include "RecoveryWindow.h"
#include "RegistrationWindow.h"
#include "common/ProgramContext.h"

namespace kav {

Client::Client(ProgramContext& context) : context_(context), login_(std::make_unique<LoginWindow>(context))
{
    login_->openRegistration = [this] { openRegistration(); };
    login_->openRecovery = [this] { openLoginRecovery(); };
    login_->openGoodsArea = [this] { openGoodsArea(); };
}

Client::~Client()
{
    delete goods_;
    delete registration_;
    delete recovery_;
}

GoodsAreaWindow* Client::goodsArea() { return goods_; }
RegistrationWindow* Client::registrationWindow() { return registration_; }
RecoveryWindow* Client::recoveryWindow() { return recovery_; }

bool Client::start()
{
    if (!ClientStartup::run(context_, login_.get()))
        return false;
    login_->show();
    return true;
}

void Client::openRegistration()
{
    delete registration_;
    registration_ = new RegistrationWindow(*this);
    registration_->setAttribute(Qt::WA_DeleteOnClose);
    registration_->show();
}

void Client::openLoginRecovery()
{
    delete recovery_;
    recovery_ = new RecoveryWindow(*this, RecoveryWindow::Mode::FromLogin);
    recovery_->setAttribute(Qt::WA_DeleteOnClose);
    recovery_->show();
}

void Client::openGoodsAreaRecovery()
{
    delete recovery_;
    recovery_ = new RecoveryWindow(*this, RecoveryWindow::Mode::FromGoodsArea);
    recovery_->setAttribute(Qt::WA_DeleteOnClose);
    recovery_->show();
}

void Client::openGoodsArea()
{
    delete goods_;
    goods_ = new GoodsAreaWindow(*this);
    goods_->setAttribute(Qt::WA_DeleteOnClose);
    if (!goods_->open()) {
        delete goods_;
        showLogin();
        return;
    }
    goods_->show();
}

void Client::switchAccount()
{
    if (goods_) {
        goods_->hide();
        goods_->deleteLater();
        goods_ = nullptr;
    }
    showLogin();
}

void Client::showLogin()
{
    login_->show();
    login_->raise();
}

}  // namespace kav
