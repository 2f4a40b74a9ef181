#pragma once

// The base of the host's model: the framework's single door to the declaration's data.
// The host supplies the transfers, the computation, the selection and the checks; this
// class adds the link to the host's TInfoGene, the product-name token in labels, the
// linked letters and the dialogue that shows one check message.
// The host owns its model; presenters and commands only point to it.

#include "wizard_framework_export.h"

#include "model/TMgtModel.h"

#include "WinTypes.h"

#include <memory>
#include <string>

class TInfoGene;
class TLieManager;
class TStaticsManager;

class WIZARD_FRAMEWORK_EXPORT TModelAbstract : public TMgtModel
{
public:
    // `info` stays the host's; it may be null (no application name then).
    explicit TModelAbstract(TInfoGene* info);
    // A copy has its own token service and links, copied from `other`, and the same
    // TInfoGene.
    TModelAbstract(const TModelAbstract& other);
    TModelAbstract& operator=(const TModelAbstract& other);
    ~TModelAbstract() override;

    // Same TInfoGene, same tokens, same links.
    bool operator==(const TModelAbstract& other) const;

    // The host's operations; those not overridden do nothing.
    void DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic) override;
    void LettrageVersDonnees(structLettre* lettres, structLettre* lettresStatic) override;
    void Calcul() override;
    void Select(structLettre* lettres) override;
    void beginUpdate() override;
    void endUpdate() override;
    // "#PRODUIT#" becomes the application name; the rest of the label stays.
    void MajUnLibelle(std::string& libelle) override;

    std::string getApplicationName() const;
    TInfoGene* getInfoGene() const { return m_infoGene; }

    // The companions of a linked letter (-1 when none); the host declares the links on
    // getLieManager(), typically when its model is built.
    short getIdValeurSaisie(short lettrage) const;
    short getIdEtatEdit(short lettrage) const;
    TLieManager* getLieManager() const { return m_lieManager.get(); }
    TStaticsManager* getStaticsManager() const { return m_staticsManager.get(); }

    // Shows one check message in a message box owned by `owner`: an error (type 1) with an
    // OK button, a warning (type 4) with the question whether to modify the entry; other
    // types show nothing. True only when the user answered Yes to the question. The text
    // from TexteDuMessage is freed in every case. A null message shows nothing.
    bool AfficheLeMessage(structMessage* message, HWND owner);

private:
    // Owned; they follow the order of construction (tokens first) and are released in the
    // destructor.
    std::unique_ptr<TStaticsManager> m_staticsManager;
    std::unique_ptr<TLieManager> m_lieManager;
    TInfoGene* m_infoGene = nullptr; // the host's
};
