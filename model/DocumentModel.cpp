// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DocumentModel.h"

#include "model/FilePath.h"
#include "model/GridModel.h"

class DocumentModel::Relay : public DocumentObserver
{
  public:
    explicit Relay(DocumentModel* model) : Model(model) {}

    void gridShapeAboutToChange(Shape shape, int oldCount, int newCount) override
    {
        Model->Grid->shapeAboutToChange(shape, oldCount, newCount);
    }
    void gridShapeChanged(Shape shape) override { Model->Grid->shapeChanged(shape); }
    void cellsChanged(const CellRange& range) override { Model->Grid->cellsChanged(range); }
    void columnWidthChanged(int column) override { Model->Grid->widthChanged(column); }
    void reactionChanged() override { emit Model->reactionTextChanged(); }
    void languageChanged() override
    {
        Model->LanguageTold = true;
        emit Model->languageChanged(Model->language());
    }
    void fontsChanged() override { emit Model->fontsChanged(); }
    void fileNameChanged() override { emit Model->fileNameChanged(); }
    void modifiedChanged() override { emit Model->modificationChanged(Model->isModified()); }

  private:
    DocumentModel* Model;
};

DocumentModel::DocumentModel(QObject* parent)
    : QObject(parent), Grid(new GridModel(this)), Changes(std::make_unique<Relay>(this))
{
    Doc.setObserver(Changes.get());
}

DocumentModel::~DocumentModel()
{
    Doc.setObserver(nullptr);
}

QString DocumentModel::fileName() const
{
    return PathFromBytes(Doc.fileName());
}

QString DocumentModel::caption() const
{
    return PathFromBytes(Doc.caption());
}

void DocumentModel::setReaction(const std::string& text)
{
    Doc.setReaction(text);
}

void DocumentModel::setCell(int column, int row, const QString& text)
{
    Doc.setCell(column, row, text.toStdString());
}

void DocumentModel::applyOptions(const DocumentOptions& options)
{
    Doc.applyOptions(options);
}

void DocumentModel::setLanguage(Language lang)
{
    LanguageTold = false;
    Doc.setLanguage(lang);
    if (!LanguageTold)
        emit languageChanged(lang);
}

BalanceOutcome DocumentModel::balance(bool autoCase, AtomicWeights weights, Medium medium,
                                      const std::vector<std::string>& given, ChosenReading* reading)
{
    return Doc.balance(autoCase, weights, medium, given, reading);
}

void DocumentModel::setSignificantFigures(int figures)
{
    Doc.setSignificantFigures(figures);
}

void DocumentModel::useWeights(AtomicWeights weights)
{
    Doc.useWeights(weights);
}

bool DocumentModel::calculate()
{
    return Doc.calculate();
}

bool DocumentModel::calculateUntilSettled()
{
    return Doc.calculateUntilSettled();
}

bool DocumentModel::recalculate()
{
    return Doc.recalculate();
}

Document::CalculationJob DocumentModel::calculationJob(bool recalculate, bool untilSettled) const
{
    return Doc.calculationJob(recalculate, untilSettled);
}

void DocumentModel::applyCalculation(const Document::CalculationJob& job)
{
    Doc.applyCalculation(job);
}

void DocumentModel::resizeColumn(int column, int width)
{
    Doc.resizeColumn(column, width);
}

void DocumentModel::startNew(const QString& defaultsFile)
{
    Doc.startNew(PathBytes(defaultsFile));
}

void DocumentModel::open(const QString& fileName, const QString& marksFolder)
{
    Doc.open(PathBytes(fileName), PathBytes(marksFolder));
}

void DocumentModel::save(const QString& fileName, const QString& marksFolder)
{
    Doc.save(PathBytes(fileName), PathBytes(marksFolder));
}

void DocumentModel::saveDefaults(const QString& fileName) const
{
    Doc.saveDefaults(PathBytes(fileName));
}

void DocumentModel::restore(const DocumentContent& content)
{
    Doc.restore(content);
}
